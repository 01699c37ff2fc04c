#pragma once

#include <QString>

class QWidget;

namespace Platform {

// Modal message boxes with an OK button.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    // An exclamation (warning) icon; returns when the user has closed the box.
    virtual void Warning(QWidget* Parent, const QString& Caption, const QString& Text) = 0;
    // An information icon.
    virtual void Information(QWidget* Parent, const QString& Caption, const QString& Text) = 0;
};

} // namespace Platform
