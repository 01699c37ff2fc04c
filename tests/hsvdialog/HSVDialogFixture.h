#pragma once

#include "fakes/FakeScreenMetrics.h"
#include "hsvdialog/frmHSVTintrix.h"
#include "platform/PictureBox.h"
#include "platform/QtColor.h"
#include "support/QtPrinters.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

// One HSV dialog on fake screen metrics (15 twips per pixel, 1280 x 1024), its controls found by
// their names, and a user's hands on it. Percentages are written with the user's decimal
// separator; the tests expect ".".
class HSVDialogFixture : public testing::Test {
public:
    static constexpr OLE_COLOR kRed = 0x000000FF;

    HSVDialogFixture() { QLocale::setDefault(QLocale::c()); }
    template <class T = QWidget> T* Control(const QString& name) const { return dialog->findChild<T*>(name); }
    QString Text(const char* name) const { return Control<QLineEdit>(name)->text(); }
    PictureBox* Field() const { return Control<PictureBox>("picColors"); }
    QScrollBar* Bar(const char* name) const { return Control<QScrollBar>(name); }
    QLabel* Square(int index) const { return Control<QLabel>(QStringLiteral("lblColor(%1)").arg(index)); }
    // The six value boxes, red to brightness, as one line.
    QString Values() const {
        return QStringList{Text("txtRed"), Text("txtGreen"), Text("txtBlue"),
                           Text("txtHue"), Text("txtSat"),   Text("txtBright")}
            .join(' ');
    }
    // Shows the dialog modally with `drive` running inside the modal loop; a watchdog ends a run
    // the test failed to end.
    bool Show(bool OneShot, bool NoButtons, std::function<void()> drive) {
        QTimer::singleShot(0, dialog.get(), drive);
        QTimer::singleShot(20000, dialog.get(), [this] { dialog->reject(), ADD_FAILURE() << "still open"; });
        const bool cancelled = dialog->ShowDialog(kRed, {}, false, nullptr, 0, 0, OneShot, NoButtons);
        QCoreApplication::processEvents();
        return cancelled;
    }
    // A new dialog object in place of the old one: one object serves one showing.
    frmHSVTintrix& Fresh() { return *(dialog = std::make_unique<frmHSVTintrix>(services)); }
    QWindow* Window() const { return dialog->windowHandle(); }
    void Key(Qt::Key key, Qt::KeyboardModifiers with = {}) const { QTest::keyClick(Window(), key, with); }
    void Char(char character) const { QTest::keyClick(Window(), character); }
    void ClickRow(int y) const { QTest::mouseClick(Field(), Qt::LeftButton, {}, QPoint(10, y)); }
    OLE_COLOR FieldColor(int y) const { return QtColor::FromQColor(Field()->Image().pixelColor(0, y)); }
    // The saturation and value bars count 0 at the bottom to 1000 at the top.
    static void SetBarPosition(QScrollBar& bar, int position) { bar.setValue(bar.maximum() - position); }

    FakeScreenMetrics metrics;
    Platform::Services services{nullptr, nullptr, &metrics};
    std::unique_ptr<frmHSVTintrix> dialog = std::make_unique<frmHSVTintrix>(services);
};
