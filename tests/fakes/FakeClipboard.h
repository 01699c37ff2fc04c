#pragma once

#include "platform/Clipboard.h"

#include <QStringList>

// Records what is put on the clipboard; `available` false plays a clipboard another program holds.
class FakeClipboard final : public Platform::Clipboard {
public:
    bool SetText(const QString& Text) override {
        if (!available) {
            return false;
        }
        texts.append(Text);
        return true;
    }
    QString Text() const { return texts.isEmpty() ? QString() : texts.last(); }

    bool available = true;
    QStringList texts;
};
