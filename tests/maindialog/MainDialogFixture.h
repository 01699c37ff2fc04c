#pragma once

#include "fakes/FakeClipboard.h"
#include "fakes/FakeMessageBox.h"
#include "fakes/FakeScreen.h"
#include "fakes/FakeScreenMetrics.h"
#include "maindialog/frmTintrix.h"
#include "platform/PictureBox.h"
#include "support/ImageOf.h"
#include "support/QtPrinters.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>
#include <variant>

// Runs `drive` from inside the modal loop of the Dialog that the main dialog opens next; `drive`
// ends it as a user would. A watchdog cancels a run the test failed to end.
template <class Dialog> void DuringModalRun(QObject* context, std::function<void(Dialog&)> drive) {
    QTimer::singleShot(0, context, [drive] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        dialog ? drive(*dialog)
               : ADD_FAILURE() << "no " << Dialog::staticMetaObject.className() << " is open modally";
    });
    QTimer::singleShot(20000, context, [] {
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ADD_FAILURE() << "the modal run did not end";
            modal->reject();
        }
    });
}

// A main dialog on fake services, opened as the program opens it, and the user's hands on it:
// every control is reached by its objectName and driven with keys and mouse clicks.
class MainDialogTest : public testing::Test {
protected:
    static constexpr OLE_COLOR kStartColor = 0x8BD9FE;

    // Opens a dialog with Color and a user colours file holding UserFile, modeless and active.
    void Open(OLE_COLOR Color = kStartColor, const QByteArray& UserFile = {},
              const QString& Prefix = "USER_") {
        QFile file(folder.filePath("UserDefinedColors.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(UserFile) == UserFile.size());
        file.close();
        dialog = std::make_unique<frmTintrix>(
            Platform::Services{&clipboard, &messages, &metrics, &screen, colorPicker, screenshot});
        EXPECT_FALSE(dialog->ShowDialog(Color, false, file.fileName(), Prefix, nullptr));
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    template <typename Control = QWidget> Control* Get(const QString& name) const {
        auto* control = dialog->findChild<Control*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    QString Text(const QString& name) const { return Get<QLineEdit>(name)->text(); }
    // Selects Length characters from From in a box, types Keys over them and presses Enter.
    void Retype(const QString& name, int From, int Length, const QString& Keys) {
        auto* box = Get<QLineEdit>(name);
        box->setFocus();
        box->setSelection(From, Length);
        QTest::keyClicks(box, Keys);
        QTest::keyClick(box, Qt::Key_Return);
    }
    void Click(const QString& name) { QTest::mouseClick(Get<QAbstractButton>(name), Qt::LeftButton); }
    // Opens a drop-down list and clicks its entry Row (or the one named Row).
    void Choose(const QString& name, std::variant<int, QString> Row) {
        auto* combo = Get<QComboBox>(name);
        const int row = Row.index() == 0 ? std::get<int>(Row) : combo->findText(std::get<QString>(Row));
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        view->scrollTo(view->model()->index(row, 0), QAbstractItemView::PositionAtCenter);
        QApplication::processEvents(); // lets the popup lay out and scroll
        const int y = view->visualRect(view->model()->index(row, 0)).center().y();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(view->viewport()->width() / 2, y));
        EXPECT_FALSE(view->isVisible()) << "the click missed entry " << row;
    }
    QStringList EquivalentNames() const {
        QStringList names;
        for (const QListWidgetItem* item :
             Get<QListWidget>("lstEquivalent")->findItems("*", Qt::MatchWildcard)) {
            names << item->text();
        }
        return names;
    }
    // Count ticks of the picking timer as the event loop delivers them, while it runs.
    void Tick(int Count = 1) {
        for (QTimer* timer = Get<QTimer>("Timer"); timer->isActive() && Count-- > 0;) {
            QTimerEvent tick(timer->timerId());
            QCoreApplication::sendEvent(timer, &tick);
        }
    }
    QStringList Copied() const { return clipboard.Text().split("\r\n"); } // the four lines of the last copy

    FakeClipboard clipboard;
    FakeMessageBox messages;
    FakeScreenMetrics metrics;
    FakeScreen screen;
    // The desktop's colour picker for sessions that pick through it; none: the magnifier.
    Platform::DesktopColorPicker* colorPicker = nullptr;
    // Still images of the desktop for sessions that pick over one.
    Platform::DesktopScreenshot* screenshot = nullptr;
    QTemporaryDir folder;
    std::unique_ptr<frmTintrix> dialog;
};
