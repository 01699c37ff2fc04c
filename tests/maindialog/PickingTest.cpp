// Picking a colour off the screen through the real dialog: with the magnifier on a fake screen,
// its timer's ticks delivered as the event loop would, and through a fake desktop colour picker.
#include "MainDialogFixture.h"
#include "fakes/FakeDesktopColorPicker.h"
#include "platform/QtColor.h"

namespace {

using Outcome = Platform::DesktopColorPicker::Outcome;

// 640 x 480 pixels each of a colour of its own, a block of pure red (a colour the list holds
// twice) and the dialog in the bottom-right corner.
const QRect kRedBlock(20, 300, 40, 40);
const QPoint kOff(200, 150); // 0x8096C8

QRgb ScreenPixel(QPoint at) {
    return kRedBlock.contains(at) ? qRgb(0xFF, 0, 0)
                                  : qRgb(at.x() & 0xFF, at.y() & 0xFF, 0x80 | (at.x() >> 8));
}

class PickingTest : public MainDialogTest {
protected:
    void SetUp() override {
        screen.SetPixels(ImageOf(QSize(640, 480), ScreenPixel));
        Open();
        screen.windows[dialog.get()] = QRect(300, 200, 340, 280);
        screen.cursor = QPoint(400, 300); // over the dialog
        Click("chkPick");
    }
    // The view is lblCol(0)'s 150 x 83 pixels: 25 x 13 cells of 6, the cursor's at 72, 36.
    QRgb ViewPixel(int x, int y) const { return Get<PictureBox>("picZoom")->Image().pixel(x, y); }
    // Ticks with the cursor off the dialog: "x" where the cursor's cell was marked, "." not.
    std::string BlinkPattern(int Count) {
        std::string pattern;
        for (screen.cursor = kOff; Count-- > 0;
             pattern += ViewPixel(72, 36) == (ScreenPixel(kOff) ^ 0xAAAAAAu) ? 'x' : '.') {
            Tick();
        }
        return pattern;
    }
};

TEST_F(PickingTest, TheMagnifierFollowsTheCursorOffTheDialogPKeepsAndEscRestores) {
    EXPECT_EQ(std::tuple(Get<QAbstractButton>("chkPick")->text(), Get("picZoom")->geometry(),
                         Get("lblCol(0)")->isVisible(), QApplication::focusWidget(),
                         Get<QTimer>("Timer")->interval()),
              std::tuple("Picking", Get("lblCol(0)")->geometry(), false, Get("picZoom"), 10));
    for (QWidget* input : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) { // inputs only
        if (!input->isWindow() && !qobject_cast<QLabel*>(input) && !qobject_cast<PictureBox*>(input)) {
            EXPECT_EQ(input->isEnabled(), input->objectName() == "chkPick")
                << input->objectName().toStdString();
        }
    }
    Tick(5); // over the dialog: nothing is read
    EXPECT_EQ(screen.grabs, 0);
    screen.cursor = kOff;
    Tick();
    EXPECT_EQ(
        std::tuple(screen.grabs, dialog->BaseColor(), ViewPixel(72, 36), ViewPixel(0, 0)),
        std::tuple(1, 0x8096C8, ScreenPixel(kOff) ^ 0xAAAAAAu, ScreenPixel(kOff - QPoint(12, 6)))); // marked
    // clang-format off
    for (auto [keys, move] : {std::pair(QKeyCombination(Qt::Key_Right), QPoint(1, 0)), {Qt::Key_Down, {0, 1}},
             {Qt::SHIFT | Qt::Key_Left, {-50, 0}}, {Qt::SHIFT | Qt::Key_Up, {0, -50}}, {Qt::CTRL | Qt::Key_Up, {0, -10}},
             {Qt::CTRL | Qt::SHIFT | Qt::Key_Right, {10, 0}}}) {
        // clang-format on
        const QPoint from = screen.cursor;
        QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
        EXPECT_EQ(screen.cursor, from + move) << keys.toCombined();
    }
    Tick();
    EXPECT_EQ(dialog->BaseColor(), 0x805BA1); // at 161, 91
    QTest::keyPress(QApplication::focusWidget(), Qt::Key_P);
    EXPECT_TRUE(Get<QAbstractButton>("chkPick")->isChecked()); // P acts when released
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_P);
    EXPECT_EQ(std::tuple(Get<QTimer>("Timer")->isActive(), dialog->BaseColor(), Get("lblCol(0)")->isVisible(),
                         Get("txtMask")->isEnabled()),
              std::tuple(false, 0x805BA1, true, true));
    auto* box = Get<QLineEdit>("txtBaseColorRGB"); // resting, arrows edit as usual
    box->setFocus();
    box->end(false);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(std::tuple(box->selectedText(), dialog->BaseColor()), std::tuple(QString(")"), 0x805BA1));

    // Esc brings back the colour from before, and a pixel equal to it is not set again.
    Choose("cboSelect", QString("HTMLB_Red"));
    const QString before = Text("txtBaseColorValue");
    Click("chkPick");
    QSignalSpy refills(Get<QListWidget>("lstEquivalent")->model(), &QAbstractItemModel::modelReset);
    screen.cursor = kRedBlock.center();
    Tick(3);
    EXPECT_EQ(std::tuple(dialog->BaseColorName(), refills.count()),
              std::tuple(QString("HTMLB_Red"), 0LL)); // not BASE_Red
    screen.cursor = kOff;
    Tick();
    EXPECT_EQ(EquivalentNames(), QStringList());
    QTest::keyRelease(dialog.get(), Qt::Key_Escape); // also where the dialog itself has the key
    EXPECT_EQ(std::tuple(dialog->BaseColor(), Text("txtBaseColorValue"), EquivalentNames()),
              std::tuple(0x0000FF, before, QStringList({"BASE_Red", "HTMLB_Red"})));
    Click("chkPick");
    Tick();
    Click("chkPick"); // keeps the colour, as P does
    EXPECT_EQ(dialog->BaseColor(), 0x8096C8);
}

TEST_F(PickingTest, TheMarkerBlinksAndUnreadablePixelsChangeNothing) {
    // Shown at 0..190 ms, hidden at 200..400 ms and in the tick that starts over.
    EXPECT_EQ(BlinkPattern(45), std::string(20, 'x') + std::string(22, '.') + "xxx");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P);
    Click("chkPick"); // the clock runs on into the next picking
    EXPECT_EQ(BlinkPattern(12), std::string(12, 'x'));
    screen.readable = false;
    Tick(10); // no colour, and the clock stands still
    EXPECT_EQ(ViewPixel(72, 36), QtColor::ToQColor(Get<PictureBox>("picZoom")->BackColor()).rgb());
    screen.readable = true;
    EXPECT_EQ(BlinkPattern(1), "x");
    screen.cursor = QPoint(210, 150);
    Tick();
    dialog->close(); // ends picking with the picked colour
    EXPECT_EQ(std::tuple(Get<QTimer>("Timer")->isActive(), dialog->BaseColor()), std::tuple(false, 0x8096D2));
    Click("chkPick"); // and the dialog goes while picking
}

using DesktopPickerTest = MainDialogTest;

TEST_F(DesktopPickerTest, TheDesktopsPickerGivesTheColourOrNothing) {
    FakeDesktopColorPicker picker; // outlives the dialog: the test ends with it
    colorPicker = &picker;
    Open();
    screen.cursor = QPoint(100, 100);
    Click("chkPick");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(std::tuple(picker.parent, Get<QAbstractButton>("chkPick")->text(), Get("picZoom")->isVisible(),
                         screen.cursor),
              std::tuple((QWidget*)dialog.get(), "Picking", false, QPoint(100, 100)));
    picker.Answer(Outcome::Picked, 0x123456);
    EXPECT_EQ(std::tuple(dialog->BaseColor(), dialog->DimmedColor(), Get("txtMask")->isEnabled()),
              std::tuple(0x123456, 0x1D5389, true));
    Click("chkPick");
    picker.Answer(Outcome::Cancelled);
    for (Qt::Key stop : {Qt::Key_Escape, Qt::Key_P, Qt::Key_unknown}) {
        Click("chkPick");
        stop == Qt::Key_unknown ? Click("chkPick") : QTest::keyClick(QApplication::focusWidget(), stop);
        picker.Answer(Outcome::Picked, 0xFF); // closed already: nothing comes
    }
    EXPECT_EQ(std::tuple(dialog->BaseColor(), picker.cancels, messages.shown.size()),
              std::tuple(0x123456, 3, 0LL));
    Click("chkPick");
    picker.Answer(Outcome::Unavailable);
    EXPECT_EQ(std::tuple(picker.picks, messages.shown.size()), std::tuple(6, 1LL));
    EXPECT_TRUE(messages.shown[0].startsWith("information Tintrix: Screen picking is not available") &&
                !messages.shown[0].contains("QT_QPA_PLATFORM"));
    Click("chkPick");
    dialog.reset(); // closes the desktop's picker
    EXPECT_EQ(picker.cancels, 4);
}

} // namespace
