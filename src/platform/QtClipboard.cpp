#include "QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace Platform {

bool QtClipboard::SetText(const QString& Text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return false;
    }
    clipboard->clear();
    clipboard->setText(Text);
    return true;
}

} // namespace Platform
