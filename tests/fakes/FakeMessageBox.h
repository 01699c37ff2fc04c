#pragma once

#include "platform/MessageBox.h"

#include <QStringList>

// Records each message box as "icon caption: text" instead of showing it; each returns at once.
class FakeMessageBox final : public Platform::MessageBox {
public:
    void Warning(QWidget*, const QString& Caption, const QString& Text) override {
        shown.append("warning " + Caption + ": " + Text);
    }
    void Information(QWidget*, const QString& Caption, const QString& Text) override {
        shown.append("information " + Caption + ": " + Text);
    }

    QStringList shown;
};
