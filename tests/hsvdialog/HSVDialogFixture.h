#pragma once

#include "fakes/FakeScreenMetrics.h"
#include "hsvdialog/frmHSVTintrix.h"
#include "platform/PictureBox.h"
#include "platform/QtColor.h"
#include "platform/Services.h"
#include "support/QtPrinters.h"

#include <QApplication>
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
// their names, and a user's hands on it.
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

    template <class T = QWidget> T* Control(const QString& name) const {
        T* control = dialog->findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    PictureBox* Field() const { return Control<PictureBox>("picColors"); }
    QScrollBar* Bar(const char* name) const { return Control<QScrollBar>(name); }
    QLabel* Square(int index) const { return Control<QLabel>(QStringLiteral("lblColor(%1)").arg(index)); }
    QLabel* Swatch() const { return Control<QLabel>("lblSelectColor"); }
    // The six value boxes, red to brightness, as one line.
    QString Values() const {
        QStringList texts;
        for (const char* name : {"txtRed", "txtGreen", "txtBlue", "txtHue", "txtSat", "txtBright"}) {
            texts << Control<QLineEdit>(name)->text();
        }
        return texts.join(' ');
    }

    // Opens the dialog modeless (Mode 1) and lets it become active, the hue field focused.
    void Open(OLE_COLOR color = kRed, bool oneShot = false) {
        dialog->ShowDialog(color, {}, false, nullptr, 1, 0, oneShot, true);
        QCoreApplication::processEvents();
    }
    // Shows the dialog modally (Mode 0); `drive` runs inside the modal loop. A watchdog ends a
    // run the test failed to end, so a broken dialog fails instead of hanging.
    bool ShowModal(std::function<void()> drive, bool oneShot = false, bool noButtons = true) {
        QTimer::singleShot(0, dialog.get(), drive);
        QTimer::singleShot(20000, dialog.get(), [this] {
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the modal run did not end";
                dialog->reject();
            }
        });
        return dialog->ShowDialog(kRed, {}, false, nullptr, 0, 0, oneShot, noButtons);
    }

    QWindow* Window() const { return dialog->windowHandle(); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QTest::keyClick(Window(), key, modifiers);
    }
    void Char(char character) const { QTest::keyClick(Window(), character); }
    void ClickRow(int y) const { QTest::mouseClick(Field(), Qt::LeftButton, {}, QPoint(10, y)); }
    OLE_COLOR FieldColor(int y) const { return QtColor::FromQColor(Field()->Image().pixelColor(0, y)); }
    static OLE_COLOR BackColor(const QWidget& control) {
        return QtColor::FromQColor(control.palette().color(control.backgroundRole()));
    }
    // The saturation and value bars count 0 at the bottom to 1000 at the top.
    static int BarPosition(const QScrollBar& bar) { return bar.maximum() - bar.value(); }
    static void SetBarPosition(QScrollBar& bar, int position) { bar.setValue(bar.maximum() - position); }
};
