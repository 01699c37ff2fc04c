#pragma once

#include "fakes/FakeClipboard.h"
#include "fakes/FakeMessageBox.h"
#include "fakes/FakeScreen.h"
#include "fakes/FakeScreenMetrics.h"
#include "maindialog/frmTintrix.h"
#include "platform/PictureBox.h"
#include "support/QtPrinters.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// The main dialog's inputs, which picking and a modal run disable: every control but the labels
// and the picture boxes.
inline QList<QWidget*> Inputs(const frmTintrix& main) {
    QList<QWidget*> inputs;
    for (QWidget* child : main.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && !qobject_cast<QLabel*>(child) && !qobject_cast<PictureBox*>(child)) {
            inputs << child;
        }
    }
    return inputs;
}

// A main dialog on fake services, opened as the program opens it, and the user's hands on it:
// every control is reached by its objectName and driven with key clicks and mouse clicks.
class MainDialogTest : public testing::Test {
protected:
    static constexpr OLE_COLOR kStartColor = 0x8BD9FE;

    // Opens a dialog with Color and a user-defined colors file holding UserFile (none when
    // empty), shown modelessly and active.
    void Open(OLE_COLOR Color = kStartColor, const QByteArray& UserFile = {},
              const QString& Prefix = "USER_") {
        ASSERT_TRUE(folder.isValid());
        const QString path = folder.filePath("UserDefinedColors.txt");
        if (!UserFile.isEmpty()) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(UserFile);
        }
        dialog = std::make_unique<frmTintrix>(
            Platform::Services{&clipboard, &messages, &metrics, &screen, colorPicker, screenshot});
        EXPECT_FALSE(dialog->ShowDialog(Color, false, path, Prefix, nullptr));
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    template <typename Control = QWidget> Control* Get(const QString& name) const {
        auto* control = dialog->findChild<Control*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    QLineEdit* Box(const QString& name) const { return Get<QLineEdit>(name); }
    QString Text(const QString& name) const { return Box(name)->text(); }

    // Selects Length characters from From in a box (as a drag of the mouse would), types Keys
    // over them and presses Enter.
    void Retype(const QString& name, int From, int Length, const QString& Keys) {
        QLineEdit* box = Box(name);
        box->setFocus();
        box->setSelection(From, Length);
        QTest::keyClicks(box, Keys);
        QTest::keyClick(box, Qt::Key_Return);
    }
    // Empties a box with the keys a user would press: Home, Shift+End, Delete.
    static void Empty(QLineEdit* box) {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClick(box, Qt::Key_Delete);
    }
    // Replaces the whole text of a box by typing and presses Enter.
    void TypeOver(const QString& name, const QString& Keys) {
        QLineEdit* box = Box(name);
        Empty(box);
        QTest::keyClicks(box, Keys);
        QTest::keyClick(box, Qt::Key_Return);
    }

    void Click(const QString& name) { QTest::mouseClick(Get<QAbstractButton>(name), Qt::LeftButton); }

    // Opens a drop-down list and clicks its entry Row.
    void Choose(const QString& name, int Row) {
        auto* combo = Get<QComboBox>(name);
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        const QModelIndex index = view->model()->index(Row, 0);
        view->scrollTo(index, QAbstractItemView::PositionAtCenter);
        QApplication::processEvents(); // lets the popup lay out and scroll
        // Entries may be wider than the popup: click inside the popup's width.
        const QPoint where(view->viewport()->width() / 2, view->visualRect(index).center().y());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, where);
        EXPECT_FALSE(view->isVisible()) << "the click missed entry " << Row;
    }
    int RowOf(const QString& name, const QString& entry) const {
        return Get<QComboBox>(name)->findText(entry);
    }

    QStringList EquivalentNames() const {
        QStringList names;
        auto* list = Get<QListWidget>("lstEquivalent");
        for (int i = 0; i < list->count(); ++i) {
            names << list->item(i)->text();
        }
        return names;
    }

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
