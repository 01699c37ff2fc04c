// Picking a colour off the screen through the real dialog: with the magnifier on a fake screen,
// its timer's ticks delivered as the event loop would, and through a fake desktop colour picker.
#include "MainDialogFixture.h"
#include "fakes/FakeDesktopColorPicker.h"
#include "platform/QtColor.h"

#include <QPointer>
#include <QTimerEvent>

namespace {

using Outcome = Platform::DesktopColorPicker::Outcome;

// 640 x 480 pixels each of a colour of its own, a block of pure red (a colour the list holds
// twice) and the dialog in the bottom-right corner.
const QRect kRedBlock(20, 300, 40, 40);
const QPoint kOverTheDialog(400, 300);
const QPoint kOff(200, 150);

QRgb ScreenPixel(QPoint at) {
    return kRedBlock.contains(at)
               ? qRgb(0xFF, 0, 0)
               : qRgb(at.x() & 0xFF, at.y() & 0xFF, 0x80 | (at.x() >> 8) | ((at.y() >> 8) << 2));
}
OLE_COLOR ScreenColor(QPoint at) {
    return QtColor::FromQColor(QColor(ScreenPixel(at)));
}

class PickingTest : public MainDialogTest {
protected:
    void SetUp() override {
        QImage image(640, 480, QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                image.setPixel(x, y, ScreenPixel(QPoint(x, y)));
            }
        }
        screen.SetPixels(image);
        Open();
        screen.windows[dialog.get()] = QRect(300, 200, 340, 280);
        screen.cursor = kOverTheDialog;
    }
    QAbstractButton* Pick() const { return Get<QAbstractButton>("chkPick"); }
    QTimer* Timer() const { return Get<QTimer>("Timer"); }
    void Tick(int Count = 1) {
        ASSERT_TRUE(Timer()->isActive()) << "no tick comes while the timer is stopped";
        for (int i = 0; i < Count; ++i) {
            QTimerEvent tick(Timer()->timerId());
            QCoreApplication::sendEvent(Timer(), &tick);
        }
    }
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    // The view is lblCol(0)'s 150 x 83 pixels: 25 x 13 cells of 6, the cursor's at 72, 36.
    QRgb ViewPixel(int x, int y) const { return Get<PictureBox>("picZoom")->Image().pixel(x, y); }
    // Ticks with the cursor off the dialog: "x" where the cursor's cell was marked, "." not.
    std::string BlinkPattern(int Count) {
        std::string pattern;
        screen.cursor = kOff;
        for (int i = 0; i < Count; ++i) {
            Tick();
            pattern += ViewPixel(72, 36) == (ScreenPixel(kOff) ^ 0xAAAAAAu) ? 'x' : '.';
        }
        return pattern;
    }
};

TEST_F(PickingTest, TheMagnifierFollowsThePixelUnderTheCursorOffTheDialog) {
    const QRect swatch = Get("lblCol(0)")->geometry();
    Click("chkPick");
    EXPECT_EQ(Pick()->text(), "Picking");
    EXPECT_FALSE(Get("lblCol(0)")->isVisible());
    EXPECT_EQ(Get("picZoom")->geometry(), swatch);
    EXPECT_EQ(QApplication::focusWidget(), Get("picZoom"));
    EXPECT_EQ(Timer()->interval(), 10);
    for (QWidget* input : Inputs(*dialog)) {
        EXPECT_EQ(input->isEnabled(), input == Pick()) << input->objectName().toStdString();
    }
    Tick(5); // over the dialog: nothing is read
    EXPECT_EQ(screen.grabs, 0);
    EXPECT_EQ(dialog->BaseColor(), kStartColor);
    screen.cursor = kOff;
    Tick();
    EXPECT_EQ(screen.grabs, 1);
    EXPECT_EQ(dialog->BaseColor(), 0x8096C8);
    EXPECT_EQ(Get("lblCol(1)")->palette().color(QPalette::Window), QColor(200, 150, 128));
    EXPECT_EQ(ViewPixel(72, 36), ScreenPixel(kOff) ^ 0xAAAAAAu); // marked
    EXPECT_EQ(ViewPixel(78, 36), ScreenPixel(kOff + QPoint(1, 0)));
    EXPECT_EQ(ViewPixel(0, 0), ScreenPixel(kOff - QPoint(12, 6)));
    const std::pair<QKeyCombination, QPoint> arrows[] = {{Qt::Key_Right, {1, 0}},
                                                         {Qt::Key_Down, {0, 1}},
                                                         {Qt::SHIFT | Qt::Key_Left, {-50, 0}},
                                                         {Qt::SHIFT | Qt::Key_Up, {0, -50}},
                                                         {Qt::CTRL | Qt::Key_Up, {0, -10}},
                                                         {Qt::CTRL | Qt::SHIFT | Qt::Key_Right, {10, 0}}};
    for (const auto& [keys, move] : arrows) {
        const QPoint from = screen.cursor;
        Key(keys.key(), keys.keyboardModifiers());
        EXPECT_EQ(screen.cursor, from + move) << keys.toCombined();
    }
    Tick();
    EXPECT_EQ(dialog->BaseColor(), ScreenColor(QPoint(161, 91)));
    QTest::keyPress(QApplication::focusWidget(), Qt::Key_P);
    EXPECT_TRUE(Pick()->isChecked()); // P acts when released
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_P);
    EXPECT_FALSE(Pick()->isChecked() || Timer()->isActive());
    EXPECT_EQ(dialog->BaseColor(), ScreenColor(QPoint(161, 91)));
    EXPECT_TRUE(Get("lblCol(0)")->isVisible());
    EXPECT_TRUE(Get("txtMask")->isEnabled());
    QLineEdit* box = Box("txtBaseColorRGB"); // resting, arrows edit as usual
    box->setFocus();
    box->end(false);
    Key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(box->selectedText().size(), 1);
    Key(Qt::Key_Escape);
    EXPECT_EQ(dialog->BaseColor(), ScreenColor(QPoint(161, 91)));
}

TEST_F(PickingTest, EscBringsBackTheColourFromBeforeAndAnEqualPixelIsNotSetAgain) {
    Choose("cboSelect", RowOf("cboSelect", "HTMLB_Red"));
    const QString before = Text("txtBaseColorValue");
    Click("chkPick");
    QSignalSpy refills(Get<QListWidget>("lstEquivalent")->model(), &QAbstractItemModel::modelReset);
    screen.cursor = kRedBlock.center();
    Tick(3);
    EXPECT_EQ(dialog->BaseColorName(), "HTMLB_Red"); // setting it afresh would select BASE_Red
    EXPECT_EQ(refills.count(), 0);
    screen.cursor = kOff;
    Tick();
    EXPECT_EQ(EquivalentNames(), QStringList());
    QTest::keyRelease(dialog.get(), Qt::Key_Escape); // also where the dialog itself has the key
    EXPECT_FALSE(Pick()->isChecked());
    EXPECT_EQ(dialog->BaseColor(), 0x0000FF);
    EXPECT_EQ(Text("txtBaseColorValue"), before);
    EXPECT_EQ(EquivalentNames(), QStringList({"BASE_Red", "HTMLB_Red"}));
    Click("chkPick");
    screen.cursor = kOff;
    Tick();
    Click("chkPick"); // keeps the colour, as P does
    EXPECT_EQ(dialog->BaseColor(), 0x8096C8);
}

TEST_F(PickingTest, TheMarkerBlinksAndUnreadablePixelsChangeNothing) {
    Click("chkPick");
    // Shown at 0..190 ms, hidden at 200..400 ms and in the tick that starts over.
    EXPECT_EQ(BlinkPattern(45), std::string(20, 'x') + std::string(22, '.') + "xxx");
    Key(Qt::Key_P);
    Click("chkPick"); // the clock runs on into the next picking
    EXPECT_EQ(BlinkPattern(12), std::string(12, 'x'));
    screen.readable = false;
    Tick(10); // no colour, and the clock stands still
    EXPECT_EQ(ViewPixel(72, 36), QtColor::ToQColor(Get<PictureBox>("picZoom")->BackColor()).rgb());
    screen.readable = true;
    EXPECT_EQ(BlinkPattern(1), "x");
    screen.cursor = QPoint(-20, -20); // beyond the desktop
    Tick(10);
    EXPECT_EQ(dialog->BaseColor(), 0x8096C8);
    EXPECT_EQ(BlinkPattern(1), "x");
    screen.cursor = QPoint(210, 150);
    Tick();
    dialog->close(); // ends picking with the picked colour
    EXPECT_FALSE(Timer()->isActive());
    EXPECT_EQ(dialog->BaseColor(), 0x80 * 0x10000 + 150 * 0x100 + 210);
    Click("chkPick");
    QPointer<QTimer> timer = Timer();
    dialog.reset(); // while picking: everything ends with it
    EXPECT_TRUE(timer.isNull());
    QCoreApplication::processEvents();
}

class DesktopPickerTest : public MainDialogTest {
protected:
    void SetUp() override { colorPicker = &picker; }
    void TearDown() override { dialog.reset(); } // before the picker it uses
    QAbstractButton* Pick() const { return Get<QAbstractButton>("chkPick"); }
    FakeDesktopColorPicker picker;
};

TEST_F(DesktopPickerTest, TheDesktopsPickerGivesTheColourOrNothing) {
    Open();
    screen.cursor = QPoint(100, 100);
    Click("chkPick");
    EXPECT_EQ(picker.parent, dialog.get());
    EXPECT_EQ(Pick()->text(), "Picking");
    EXPECT_FALSE(Get("picZoom")->isVisible() || Get<QTimer>("Timer")->isActive());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(screen.cursor, QPoint(100, 100));
    picker.Answer(Outcome::Picked, 0x123456);
    EXPECT_EQ(dialog->BaseColor(), 0x123456);
    EXPECT_EQ(dialog->DimmedColor(), 0x1D5389);
    EXPECT_TRUE(Get("txtMask")->isEnabled() && !Pick()->isChecked());
    for (Outcome outcome : {Outcome::Cancelled, Outcome::Failed}) {
        Click("chkPick");
        picker.Answer(outcome);
        EXPECT_EQ(dialog->BaseColor(), 0x123456);
    }
    for (Qt::Key stop : {Qt::Key_Escape, Qt::Key_P, Qt::Key_unknown}) {
        Click("chkPick");
        stop == Qt::Key_unknown ? Click("chkPick") : QTest::keyClick(QApplication::focusWidget(), stop);
        picker.Answer(Outcome::Picked, 0xFF); // closed already: nothing comes
        EXPECT_EQ(dialog->BaseColor(), 0x123456);
    }
    EXPECT_EQ(picker.cancels, 3);
    EXPECT_TRUE(messages.shown.isEmpty());
    picker.state = Platform::DesktopColorPicker::Availability::Checking;
    Click("chkPick");
    picker.Answer(Outcome::Unavailable);
    picker.state = Platform::DesktopColorPicker::Availability::Unavailable;
    Click("chkPick");
    EXPECT_EQ(picker.picks, 7);
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[1].icon + " " + messages.shown[1].caption, "information Tintrix");
    EXPECT_TRUE(messages.shown[1].text.contains("QT_QPA_PLATFORM=xcb"));
    EXPECT_EQ(dialog->BaseColor(), 0x123456);
    picker.state = Platform::DesktopColorPicker::Availability::Available;
    Click("chkPick");
    dialog.reset(); // closes the desktop's picker
    EXPECT_EQ(picker.cancels, 4);
}

} // namespace
