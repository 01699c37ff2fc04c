#pragma once

#include <QString>

namespace Platform {

// The desktop clipboard, as far as the dialogs use it.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Clears the clipboard and puts Text on it as plain text; false when the clipboard cannot
    // be used (the caller carries on either way).
    virtual bool SetText(const QString& Text) = 0;
};

} // namespace Platform
