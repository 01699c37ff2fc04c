#pragma once

#include "maindialog/frmTintrix.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>

// The dialogs that the main dialog runs modally inside a button's handler: DuringModalRun arms a
// zero-delay timer that fires inside the modal loop and hands the open dialog to `drive`, which
// ends it as a user would. A watchdog cancels a run that the test failed to end, so a broken
// dialog fails the test instead of hanging it. Both timers die with `context`.
template <class Dialog> void DuringModalRun(QObject* context, std::function<void(Dialog&)> drive) {
    QTimer::singleShot(0, context, [drive] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<Dialog*>(modal);
        if (dialog == nullptr) {
            ADD_FAILURE() << "no " << Dialog::staticMetaObject.className() << " is open modally";
            if (auto* other = qobject_cast<QDialog*>(modal)) {
                other->reject();
            }
            return;
        }
        drive(*dialog);
    });
    QTimer::singleShot(20000, context, [] {
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ADD_FAILURE() << "the modal run did not end";
            modal->reject();
        }
    });
}

// A key pressed and released on a dialog's window, where its key preview sees it.
inline void PressKey(QWidget& dialog, Qt::Key key) {
    QTest::keyClick(dialog.windowHandle(), key);
}
