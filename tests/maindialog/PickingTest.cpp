// Screen picking driven through the real dialog on a fake screen: chkPick, the keys and the
// timer's ticks, each tick delivered to the dialog's Timer as the event loop would deliver it.
#include "MainDialogFixture.h"
#include "platform/PictureBox.h"
#include "platform/QtColor.h"
#include "support/ByName.h"

#include <QAbstractItemModel>
#include <QPointer>
#include <QTimer>
#include <QTimerEvent>
#include <string>

namespace {

// A screen of 640 x 480 pixels of which each has a colour of its own, with a block of pure red
// (a colour the predefined list holds twice) and the dialog in the bottom-right corner.
const QSize kScreenSize(640, 480);
const QRect kRedBlock(20, 300, 40, 40);
const QRect kDialogOnScreen(300, 200, 340, 280);
const QPoint kOverTheDialog(400, 300);
const QPoint kOffTheDialog(200, 150);
constexpr OLE_COLOR kRed = 0x0000FF;

QRgb ScreenPixel(QPoint at) {
    if (kRedBlock.contains(at)) {
        return qRgb(0xFF, 0, 0);
    }
    return qRgb(at.x() & 0xFF, at.y() & 0xFF, 0x80 | (at.x() >> 8) | ((at.y() >> 8) << 2));
}

OLE_COLOR ScreenColor(QPoint at) {
    return QtColor::FromQColor(QColor(ScreenPixel(at)));
}

QImage ScreenImage() {
    QImage image(kScreenSize, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, ScreenPixel(QPoint(x, y)));
        }
    }
    return image;
}

class PickingTest : public MainDialogTest {
protected:
    // The view is lblCol(0)'s 150 x 83 pixels (at 15 twips per pixel): 25 x 13 cells of 6
    // pixels, the cursor's in column 12 and row 6.
    static constexpr int kCursorCellX = 72;
    static constexpr int kCursorCellY = 36;
    static constexpr int kCell = 6;

    void OpenOnScreen(OLE_COLOR Color = kStartColor) {
        screen.SetPixels(ScreenImage());
        Open(Color);
        screen.windows[dialog.get()] = kDialogOnScreen;
        screen.cursor = kOverTheDialog;
    }

    QAbstractButton* Pick() const { return Get<QAbstractButton>("chkPick"); }
    PictureBox* View() const { return Get<PictureBox>("picZoom"); }
    QTimer* Timer() const { return Get<QTimer>("Timer"); }

    void StartPicking() {
        Click("chkPick");
        ASSERT_TRUE(Pick()->isChecked());
    }

    // Delivers Count timeouts of the running Timer.
    void Tick(int Count = 1) {
        QTimer* timer = Timer();
        ASSERT_TRUE(timer->isActive()) << "no tick comes while the timer is stopped";
        for (int i = 0; i < Count; ++i) {
            QTimerEvent tick(timer->timerId());
            QCoreApplication::sendEvent(timer, &tick);
        }
    }

    // A key pressed and released where the keyboard focus is, as the user types it.
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    QRgb ViewPixel(int x, int y) const { return View()->Image().pixel(x, y); }
    bool Marked(QPoint cursor) const {
        const QRgb pixel = ScreenPixel(cursor);
        return ViewPixel(kCursorCellX, kCursorCellY) == (pixel ^ 0xAAAAAAu);
    }

    // Ticks Count times with the cursor off the dialog and tells for each tick whether the
    // cursor's cell carried the marker: "x" marked, "." not.
    std::string BlinkPattern(int Count) {
        std::string pattern;
        screen.cursor = kOffTheDialog;
        for (int i = 0; i < Count; ++i) {
            Tick();
            pattern += Marked(kOffTheDialog) ? 'x' : '.';
        }
        return pattern;
    }

    OLE_COLOR SwatchColor() const {
        return QtColor::FromQColor(Get<QLabel>("lblCol(1)")->palette().color(QPalette::Window));
    }
};

TEST_F(PickingTest, StartingPutsTheMagnifierInPlaceOfTheSwatchAndLeavesOnlyPickEnabled) {
    OpenOnScreen();
    EXPECT_FALSE(Timer()->isActive());
    EXPECT_FALSE(View()->isVisible());
    EXPECT_EQ(Pick()->text(), "P&ick!");
    const QRect swatch = Get("lblCol(0)")->geometry();

    StartPicking();
    EXPECT_EQ(Pick()->text(), "Picking");
    EXPECT_FALSE(Get("lblCol(0)")->isVisible());
    EXPECT_TRUE(View()->isVisible());
    EXPECT_EQ(View()->geometry(), swatch);
    EXPECT_EQ(QApplication::focusWidget(), View());
    EXPECT_TRUE(Timer()->isActive());
    EXPECT_EQ(Timer()->interval(), 10);
    const QList<QWidget*> inputs = Inputs(*dialog);
    ASSERT_GE(inputs.size(), 20u);
    for (QWidget* input : inputs) {
        EXPECT_EQ(input->isEnabled(), input == Pick()) << input->objectName().toStdString();
    }

    Click("chkPick");
    EXPECT_FALSE(Pick()->isChecked());
    EXPECT_EQ(Pick()->text(), "P&ick!");
    EXPECT_FALSE(Timer()->isActive());
    EXPECT_TRUE(Get("lblCol(0)")->isVisible());
    EXPECT_FALSE(View()->isVisible());
    for (QWidget* input : inputs) {
        EXPECT_TRUE(input->isEnabled()) << input->objectName().toStdString();
    }
}

TEST_F(PickingTest, OverTheDialogTicksReadNothingAndPKeepsTheColour) {
    OpenOnScreen();
    StartPicking();
    const QImage viewBefore = View()->Image();
    const int grabsBefore = screen.grabs;
    Tick(5);
    EXPECT_EQ(screen.grabs, grabsBefore);
    EXPECT_EQ(View()->Image(), viewBefore);
    EXPECT_EQ(dialog->BaseColor(), kStartColor);

    Key(Qt::Key_P);
    EXPECT_FALSE(Pick()->isChecked());
    EXPECT_FALSE(Timer()->isActive());
    EXPECT_EQ(dialog->BaseColor(), kStartColor);
}

TEST_F(PickingTest, OffTheDialogThePixelUnderTheCursorBecomesTheBaseColour) {
    OpenOnScreen();
    StartPicking();
    screen.cursor = kOffTheDialog;
    const int grabsBefore = screen.grabs;
    Tick();
    EXPECT_EQ(screen.grabs, grabsBefore + 1) << "one screen read per tick";
    EXPECT_EQ(dialog->BaseColor(), ScreenColor(kOffTheDialog));
    EXPECT_EQ(SwatchColor(), ScreenColor(kOffTheDialog));
    EXPECT_EQ(Text("txtBaseColorRGB").left(8), QString::asprintf("&H%06X", ScreenColor(kOffTheDialog)));

    // The view shows the cursor's pixel marked and its neighbours cell by cell.
    EXPECT_TRUE(Marked(kOffTheDialog));
    EXPECT_EQ(ViewPixel(kCursorCellX + kCell, kCursorCellY), ScreenPixel(kOffTheDialog + QPoint(1, 0)));
    EXPECT_EQ(ViewPixel(kCursorCellX, kCursorCellY + kCell), ScreenPixel(kOffTheDialog + QPoint(0, 1)));
    EXPECT_EQ(ViewPixel(0, 0), ScreenPixel(kOffTheDialog - QPoint(12, 6)));

    const QPoint next = kOffTheDialog + QPoint(30, 20);
    screen.cursor = next;
    Tick();
    EXPECT_EQ(dialog->BaseColor(), ScreenColor(next));

    Key(Qt::Key_P); // stops and keeps the last picked colour
    EXPECT_FALSE(Pick()->isChecked());
    EXPECT_EQ(dialog->BaseColor(), ScreenColor(next));
    EXPECT_EQ(SwatchColor(), ScreenColor(next));
}

TEST_F(PickingTest, PStopsWhenReleased) {
    OpenOnScreen();
    StartPicking();
    QTest::keyPress(QApplication::focusWidget(), Qt::Key_P);
    EXPECT_TRUE(Pick()->isChecked());
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_P);
    EXPECT_FALSE(Pick()->isChecked());
}

TEST_F(PickingTest, KeysReleasedOnTheDialogItselfStopPickingToo) {
    OpenOnScreen();
    StartPicking();
    screen.cursor = kOffTheDialog;
    Tick();
    QTest::keyRelease(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(Pick()->isChecked());
    EXPECT_EQ(dialog->BaseColor(), kStartColor);
}

TEST_F(PickingTest, EscRestoresTheColourFromBeforeAndEveryDisplayFollows) {
    OpenOnScreen();
    const QString valueBefore = Text("txtBaseColorValue");
    const QString rgbBefore = Text("txtBaseColorRGB");
    const QStringList equivalentBefore = EquivalentNames();
    StartPicking();
    screen.cursor = kRedBlock.center();
    Tick();
    ASSERT_EQ(dialog->BaseColor(), kRed);
    ASSERT_NE(EquivalentNames(), equivalentBefore);

    Key(Qt::Key_Escape);
    EXPECT_FALSE(Pick()->isChecked());
    EXPECT_FALSE(Timer()->isActive());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->BaseColor(), kStartColor);
    EXPECT_EQ(SwatchColor(), kStartColor);
    EXPECT_EQ(Text("txtBaseColorValue"), valueBefore);
    EXPECT_EQ(Text("txtBaseColorRGB"), rgbBefore);
    EXPECT_EQ(EquivalentNames(), equivalentBefore);
}

TEST_F(PickingTest, ClickingPickAgainKeepsThePickedColour) {
    OpenOnScreen();
    StartPicking();
    screen.cursor = kOffTheDialog;
    Tick();
    Click("chkPick");
    EXPECT_FALSE(Timer()->isActive());
    EXPECT_EQ(dialog->BaseColor(), ScreenColor(kOffTheDialog));
}

TEST_F(PickingTest, EscAndPWhileRestingChangeNothingAndEscIsForgottenByTheNextStart) {
    OpenOnScreen();
    Box("txtDimFactor")->setFocus();
    Key(Qt::Key_Escape);
    Key(Qt::Key_P);
    EXPECT_FALSE(Pick()->isChecked());
    EXPECT_EQ(dialog->BaseColor(), kStartColor);

    StartPicking();
    screen.cursor = kOffTheDialog;
    Tick();
    Key(Qt::Key_P);
    EXPECT_EQ(dialog->BaseColor(), ScreenColor(kOffTheDialog));
}

TEST_F(PickingTest, APixelEqualToTheBaseColourDoesNotSetItAgain) {
    OpenOnScreen();
    // The user's choice of the second of two equal entries stays selected until another
    // colour comes; setting the colour afresh would select the first.
    Choose("cboSelect", RowOf("cboSelect", "HTMLB_Red"));
    ASSERT_EQ(dialog->BaseColor(), kRed);
    ASSERT_EQ(dialog->BaseColorName(), "HTMLB_Red");
    StartPicking();
    QSignalSpy refills(Get<QListWidget>("lstEquivalent")->model(), &QAbstractItemModel::modelReset);
    screen.cursor = kRedBlock.center();
    Tick(3);
    EXPECT_EQ(dialog->BaseColorName(), "HTMLB_Red");
    EXPECT_EQ(Get<QComboBox>("cboSelect")->currentText(), "HTMLB_Red");
    EXPECT_EQ(refills.count(), 0);

    screen.cursor = kOffTheDialog;
    Tick();
    screen.cursor = kRedBlock.center();
    Tick();
    EXPECT_EQ(dialog->BaseColorName(), "BASE_Red");
    EXPECT_EQ(refills.count(), 2);
}

struct ArrowStep {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QPoint move;
};

class ArrowKeys : public PickingTest, public testing::WithParamInterface<ArrowStep> {};

TEST_P(ArrowKeys, MoveTheCursorAndAreConsumed) {
    OpenOnScreen();
    StartPicking();
    screen.cursor = kOffTheDialog;
    QSignalSpy reachedView(View(), &PictureBox::KeyDown);
    Key(GetParam().key, GetParam().modifiers);
    EXPECT_EQ(screen.cursor, kOffTheDialog + GetParam().move);
    // The modifier keys themselves pass on; the arrow key does not.
    for (const QList<QVariant>& key : reachedView) {
        EXPECT_NE(key.at(0).toInt(), GetParam().key);
    }
    Tick();
    EXPECT_EQ(dialog->BaseColor(), ScreenColor(kOffTheDialog + GetParam().move));
}

INSTANTIATE_TEST_SUITE_P(
    Picking, ArrowKeys,
    testing::Values(ArrowStep{"RightOnePixel", Qt::Key_Right, Qt::NoModifier, {1, 0}},
                    ArrowStep{"DownOnePixel", Qt::Key_Down, Qt::NoModifier, {0, 1}},
                    ArrowStep{"LeftFiftyWithShift", Qt::Key_Left, Qt::ShiftModifier, {-50, 0}},
                    ArrowStep{"UpFiftyWithShift", Qt::Key_Up, Qt::ShiftModifier, {0, -50}},
                    ArrowStep{"UpTenWithCtrl", Qt::Key_Up, Qt::ControlModifier, {0, -10}},
                    ArrowStep{"RightTenWithCtrlAndShift",
                              Qt::Key_Right,
                              Qt::ControlModifier | Qt::ShiftModifier,
                              {10, 0}}),
    ByName());

TEST_F(PickingTest, ArrowKeysWhileRestingEditAsUsual) {
    OpenOnScreen();
    QLineEdit* box = Box("txtBaseColorRGB");
    box->setFocus();
    box->end(false);
    const int end = box->cursorPosition();
    Key(Qt::Key_Left);
    Key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(box->cursorPosition(), end - 2);
    EXPECT_EQ(box->selectedText().size(), 1);
    EXPECT_EQ(screen.cursor, kOverTheDialog);
}

TEST_F(PickingTest, MarkerShowsTwentyTicksAndHidesTwentyTwo) {
    OpenOnScreen();
    StartPicking();
    // Shown at 0..190 ms, hidden at 200..400 ms and in the tick that starts over, then shown
    // again from 10 ms.
    EXPECT_EQ(BlinkPattern(62), std::string(20, 'x') + std::string(22, '.') + std::string(19, 'x') + ".");
}

TEST_F(PickingTest, MarkerClockRunsOnIntoTheNextPicking) {
    OpenOnScreen();
    StartPicking();
    EXPECT_EQ(BlinkPattern(25), std::string(20, 'x') + std::string(5, '.'));
    Key(Qt::Key_P);
    StartPicking();
    // 250..400 ms and the tick that starts over are hidden.
    EXPECT_EQ(BlinkPattern(18), std::string(17, '.') + "x");
}

struct Unreadable {
    const char* name;
    bool screenReadable;
    QPoint cursor;
};

class UnreadablePixel : public PickingTest, public testing::WithParamInterface<Unreadable> {};

TEST_P(UnreadablePixel, LeavesTheColourTheDisplaysAndTheMarkerClock) {
    OpenOnScreen();
    const QString valueBefore = Text("txtBaseColorValue");
    StartPicking();
    QSignalSpy refills(Get<QListWidget>("lstEquivalent")->model(), &QAbstractItemModel::modelReset);
    screen.readable = GetParam().screenReadable;
    screen.cursor = GetParam().cursor;
    Tick(25);
    EXPECT_EQ(dialog->BaseColor(), kStartColor);
    EXPECT_EQ(Text("txtBaseColorValue"), valueBefore);
    EXPECT_EQ(refills.count(), 0);
    // The view shows its background where no pixel could be read, and no marker.
    EXPECT_EQ(ViewPixel(kCursorCellX, kCursorCellY), QtColor::ToQColor(View()->BackColor()).rgb());

    // Twenty-five ticks without a colour did not advance the marker clock.
    screen.readable = true;
    EXPECT_EQ(BlinkPattern(1), "x");
    EXPECT_EQ(dialog->BaseColor(), ScreenColor(kOffTheDialog));
}

INSTANTIATE_TEST_SUITE_P(Picking, UnreadablePixel,
                         testing::Values(Unreadable{"ScreenCannotBeRead", false, kOffTheDialog},
                                         Unreadable{"CursorBeyondTheDesktop", true, QPoint(-20, -20)}),
                         ByName());

TEST_F(PickingTest, ClosingTheDialogEndsPickingWithThePickedColour) {
    OpenOnScreen();
    StartPicking();
    screen.cursor = kOffTheDialog;
    Tick();
    dialog->close();
    EXPECT_FALSE(Timer()->isActive());
    EXPECT_FALSE(Pick()->isChecked());
    EXPECT_EQ(dialog->BaseColor(), ScreenColor(kOffTheDialog));
}

TEST_F(PickingTest, DestroyingTheDialogWhilePickingEndsEverythingWithIt) {
    OpenOnScreen();
    StartPicking();
    screen.cursor = kOffTheDialog;
    Tick();
    QPointer<QTimer> timer = Timer();
    dialog.reset();
    EXPECT_TRUE(timer.isNull());
    QCoreApplication::processEvents(); // no tick is left to arrive
}

} // namespace
