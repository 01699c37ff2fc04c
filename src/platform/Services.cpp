#include "Services.h"

#include "platform/QtClipboard.h"
#include "platform/QtMessageBox.h"
#include "platform/QtScreen.h"
#include "platform/QtScreenMetrics.h"

namespace Platform {

Services Services::Qt() {
    static QtClipboard clipboard;
    static QtMessageBox messageBox;
    static QtScreenMetrics metrics;
    static QtScreen screen;
    return {&clipboard, &messageBox, &metrics, &screen};
}

} // namespace Platform
