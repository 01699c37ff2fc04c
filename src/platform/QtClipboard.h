#pragma once

#include "platform/Clipboard.h"

namespace Platform {

class QtClipboard final : public Clipboard {
public:
    bool SetText(const QString& Text) override;
};

} // namespace Platform
