#pragma once

#include "platform/MessageBox.h"

#include <QList>
#include <QString>

// Records message boxes instead of showing them; each returns at once, as if OK were pressed.
class FakeMessageBox final : public Platform::MessageBox {
public:
    struct Shown {
        QString icon; // "warning" or "information"
        QString caption;
        QString text;
    };
    void Warning(QWidget*, const QString& Caption, const QString& Text) override {
        shown.append({"warning", Caption, Text});
    }
    void Information(QWidget*, const QString& Caption, const QString& Text) override {
        shown.append({"information", Caption, Text});
    }

    QList<Shown> shown;
};
