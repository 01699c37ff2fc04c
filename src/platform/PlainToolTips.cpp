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
    // WhiteSpacePre keeps every blank, as the plain text shows it.
    QToolTip::showText(static_cast<QHelpEvent*>(Event)->globalPos(),
                       Qt::convertFromPlainText(control->toolTip(), Qt::WhiteSpacePre), control, {},
                       control->toolTipDuration());
    return true;
}

} // namespace Platform
