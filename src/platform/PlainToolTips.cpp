#include "PlainToolTips.h"

#include <QHelpEvent>
#include <QTextDocument>
#include <QToolTip>
#include <QWidget>

namespace Platform {

void PlainToolTips::Install(QWidget& Dialog) {
    auto* filter = new PlainToolTips(&Dialog);
    for (QWidget* control : Dialog.findChildren<QWidget*>()) {
        control->installEventFilter(filter);
    }
}

bool PlainToolTips::eventFilter(QObject* Watched, QEvent* Event) {
    if (Event->type() != QEvent::ToolTip) {
        return false;
    }
    auto* control = static_cast<QWidget*>(Watched);
    if (control->toolTip().isEmpty()) {
        return false; // Qt hides any tip and passes the event on to the parent
    }
    Show(*control, static_cast<QHelpEvent*>(Event)->globalPos());
    return true;
}

void PlainToolTips::Show(QWidget& Control, QPoint GlobalPos) {
    // WhiteSpacePre keeps every blank, as the plain text shows it.
    QToolTip::showText(GlobalPos, Qt::convertFromPlainText(Control.toolTip(), Qt::WhiteSpacePre), &Control, {},
                       Control.toolTipDuration());
}

} // namespace Platform
