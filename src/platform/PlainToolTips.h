#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace Platform {

// Shows the tool tips of a dialog's controls as plain text, exactly as written. Qt takes a tip
// that looks like HTML ("... <P> stops, <Esc> cancels ...") for rich text and drops every
// "<...>" in it; here each tip is converted from plain text first. The toolTip property keeps the
// text itself, for screen readers and for anyone who reads it.
class PlainToolTips final : public QObject {
public:
    // Shows the tips of every child widget of Dialog, present and future tips alike (a tip that
    // changes is read when it is shown); owned by Dialog.
    static void Install(QWidget& Dialog);
    // Shows Control's tool tip at GlobalPos, as plain text.
    static void Show(QWidget& Control, QPoint GlobalPos);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    using QObject::QObject;
};

} // namespace Platform
