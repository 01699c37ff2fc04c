#pragma once

#include "fakes/FakeScreenMetrics.h"
#include "hsvdialog/frmHSVTintrix.h"
#include "platform/PictureBox.h"
#include "platform/QtColor.h"
#include "platform/Services.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// One HSV dialog on fake screen metrics (15 twips per pixel, 1280 x 1024), its controls found by
// their names, and ways to drive it as a user would.
// Public, so that table rows can drive it.
class HSVDialogFixture : public testing::Test {
public:
    static constexpr OLE_COLOR kRed = 0x000000FF;

    // Percentages are written with the user's decimal separator; the tests expect ".".
    HSVDialogFixture() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    ~HSVDialogFixture() override { QLocale::setDefault(savedLocale); }

    QLocale savedLocale;
    FakeScreenMetrics metrics;
    Platform::Services services{nullptr, nullptr, &metrics};
    std::unique_ptr<frmHSVTintrix> dialog = std::make_unique<frmHSVTintrix>(services);

    template <class T> T* Control(const QString& name) const {
        T* control = dialog->findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    PictureBox* Field() const { return Control<PictureBox>("picColors"); }
    QScrollBar* Bar(const char* name) const { return Control<QScrollBar>(name); }
    QString Text(const char* name) const { return Control<QLineEdit>(name)->text(); }
    QLabel* Square(int index) const { return Control<QLabel>(QStringLiteral("lblColor(%1)").arg(index)); }
    QLabel* Swatch() const { return Control<QLabel>("lblSelectColor"); }
    QPushButton* Button(const char* name) const { return Control<QPushButton>(name); }

    // Opens the dialog modeless (Mode 1) and lets the window become active, so that the hue
    // field has the focus as after a user's opening.
    void Open(OLE_COLOR color = kRed, bool oneShot = false, bool noButtons = true) {
        dialog->ShowDialog(color, {}, false, nullptr, 1, 0, oneShot, noButtons);
        QCoreApplication::processEvents();
    }

    // Arms a modal run: `drive` runs once the modal loop has started. A watchdog ends a run that
    // the test failed to end, so a broken dialog fails instead of hanging.
    void ArmModal(std::function<void()> drive) {
        QTimer::singleShot(0, dialog.get(), [this, drive] {
            EXPECT_TRUE(dialog->isModal());
            drive();
        });
        QTimer::singleShot(20000, dialog.get(), [this] {
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the modal run did not end";
                dialog->reject();
            }
        });
    }

    bool ShowModal(std::function<void()> drive, OLE_COLOR color = kRed, bool oneShot = false,
                   bool noButtons = true) {
        ArmModal(std::move(drive));
        return dialog->ShowDialog(color, {}, false, nullptr, 0, 0, oneShot, noButtons);
    }

    QWindow* Window() const { return dialog->windowHandle(); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QTest::keyClick(Window(), key, modifiers);
    }
    void Char(char character) const { QTest::keyClick(Window(), character); }
    // A key pressed and released without running pending events in between or after (QTest runs
    // them, and with them a due timer).
    void KeyNow(Qt::Key key) const {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(Window(), &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(Window(), &release);
    }

    // A point of the hue field in window coordinates (the field's row `y`).
    QPoint FieldPoint(int y) const { return Field()->mapTo(dialog.get(), QPoint(10, y)); }
    // Sent to the field itself, which runs no pending events either.
    void ClickRow(int y) const { QTest::mouseClick(Field(), Qt::LeftButton, {}, QPoint(10, y)); }

    OLE_COLOR FieldColor(int x, int y) const {
        return QtColor::FromQColor(Field()->Image().pixelColor(x, y));
    }
    static OLE_COLOR BackColor(const QWidget& control) {
        return QtColor::FromQColor(control.palette().color(control.backgroundRole()));
    }
    static OLE_COLOR CaptionColor(const QWidget& control) {
        return QtColor::FromQColor(control.palette().color(control.foregroundRole()));
    }

    // The saturation and value bars count 0 at the bottom to 1000 at the top.
    static int BarPosition(const QScrollBar& bar) { return bar.maximum() - bar.value(); }
    static void SetBarPosition(QScrollBar& bar, int position) { bar.setValue(bar.maximum() - position); }
};
