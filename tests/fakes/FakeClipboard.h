#pragma once

#include "platform/Clipboard.h"

#include <QStringList>

// Records what is put on the clipboard; `available` false plays a clipboard another program holds.
class FakeClipboard final : public Platform::Clipboard {
public:
    bool SetText(const QString& Text) override {
        if (available) {
            texts.append(Text);
        }
        return available;
    }
    QString Text() const { return texts.value(texts.size() - 1); }

    bool available = true;
    QStringList texts;
};
