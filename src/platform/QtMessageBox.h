#pragma once

#include "platform/MessageBox.h"

namespace Platform {

class QtMessageBox final : public MessageBox {
public:
    void Warning(QWidget* Parent, const QString& Caption, const QString& Text) override;
    void Information(QWidget* Parent, const QString& Caption, const QString& Text) override;
};

} // namespace Platform
