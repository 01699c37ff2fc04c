// Choosing a colour: the hue field by mouse and keys, the bars, the preset squares and their keys,
// and the one-shot mode.
#include "HSVDialogFixture.h"
#include "colormodels/modColorModels.h"
#include "support/ByName.h"

namespace {

using Fixture = HSVDialogFixture;

TEST_F(Fixture, AClickAtRow100SelectsHue100AtFullSaturationAndValue) {
    Open(kRed);
    QSignalSpy changed(dialog.get(), &frmHSVTintrix::ColorChanged);
    ClickRow(100);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).value<OLE_COLOR>(), 0x0000FF55);
    const QStringList boxes = {Text("txtRed"), Text("txtGreen"), Text("txtBlue"),
                               Text("txtHue"), Text("txtSat"),   Text("txtBright")};
    EXPECT_EQ(boxes, QStringList({"85", "255", "0", "100", "100", "100"}));
    EXPECT_EQ(BackColor(*Swatch()), 0x0000FF55);
    EXPECT_EQ(dialog->SelectedColor(), 0x0000FF55);
}

// Through the window, so that Qt's implicit grab delivers the moves outside the field.
TEST_F(Fixture, ADragBeyondTheFieldEndsAtTheFirstOrLastHue) {
    Open(kRed);
    QTest::mousePress(Window(), Qt::LeftButton, {}, FieldPoint(50));
    EXPECT_EQ(Text("txtHue"), "50");
    QTest::mouseMove(Window(), FieldPoint(-4)); // in the margin above the field
    EXPECT_EQ(Text("txtHue"), "0");
    QTest::mouseMove(Window(), FieldPoint(200));
    EXPECT_EQ(Text("txtHue"), "200");
    QTest::mouseMove(Window(), FieldPoint(600)); // below the window
    EXPECT_EQ(Text("txtHue"), "359");
    QTest::mouseRelease(Window(), Qt::LeftButton, {}, FieldPoint(600));
    QTest::mouseMove(Window(), FieldPoint(30)); // no button held: no drag
    EXPECT_EQ(Text("txtHue"), "359");
}

TEST_F(Fixture, TheRightButtonSelectsAsWell) {
    Open(kRed);
    QTest::mouseClick(Field(), Qt::RightButton, {}, QPoint(10, 240));
    EXPECT_EQ(dialog->SelectedColor(), 0x00FF0000);
}

struct FieldKey {
    const char* name;
    int startHue;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int hue; // -1: the key does nothing
};

class OnTheField : public Fixture, public testing::WithParamInterface<FieldKey> {};

TEST_P(OnTheField, AKeyMovesTheHueWithoutWrapping) {
    const FieldKey& row = GetParam();
    Open(kRed);
    ASSERT_EQ(QApplication::focusWidget(), Field());
    ClickRow(row.startHue);
    QSignalSpy changed(dialog.get(), &frmHSVTintrix::ColorChanged);
    Key(row.key, row.modifiers);
    EXPECT_EQ(Text("txtHue").toInt(), row.hue < 0 ? row.startHue : row.hue);
    EXPECT_EQ(changed.count(), row.hue < 0 ? 0 : 1);
    EXPECT_EQ(BarPosition(*Bar("scrollSat")), 1000); // a hue never moves the bars
}

const FieldKey kFieldKeys[] = {
    {"UpFrom100", 100, Qt::Key_Up, Qt::NoModifier, 99},
    {"UpFrom0", 0, Qt::Key_Up, Qt::NoModifier, 0},
    {"DownFrom100", 100, Qt::Key_Down, Qt::NoModifier, 101},
    {"DownFrom359", 359, Qt::Key_Down, Qt::NoModifier, 359},
    {"PageUpFrom100", 100, Qt::Key_PageUp, Qt::NoModifier, 90},
    {"PageUpFrom5", 5, Qt::Key_PageUp, Qt::NoModifier, 0},
    {"PageDownFrom100", 100, Qt::Key_PageDown, Qt::NoModifier, 110},
    {"PageDownFrom355", 355, Qt::Key_PageDown, Qt::NoModifier, 359},
    {"Home", 200, Qt::Key_Home, Qt::NoModifier, 0},
    {"End", 10, Qt::Key_End, Qt::NoModifier, 359},
    {"ShiftDownIsDown", 100, Qt::Key_Down, Qt::ShiftModifier, 101},
    {"LeftDoesNothing", 100, Qt::Key_Left, Qt::NoModifier, -1},
    {"RightDoesNothing", 100, Qt::Key_Right, Qt::NoModifier, -1},
};
INSTANTIATE_TEST_SUITE_P(HSVDialog, OnTheField, testing::ValuesIn(kFieldKeys), ByName());

TEST_F(Fixture, TheSaturationBarAt333Shows33Point3) {
    Open(kRed);
    QSignalSpy changed(dialog.get(), &frmHSVTintrix::ColorChanged);
    SetBarPosition(*Bar("scrollSat"), 333);
    const OLE_COLOR expected = modColorModels::HSBToRGB({0, 0.333f, 1.0f});
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).value<OLE_COLOR>(), expected);
    EXPECT_EQ(Text("txtSat"), "33.3");
    EXPECT_EQ(Text("txtBright"), "100");
    EXPECT_EQ(BarPosition(*Bar("scrollSat")), 333);
    EXPECT_EQ(FieldColor(0, 0), expected); // the field follows the saturation
}

TEST_F(Fixture, PercentagesUseTheUsersDecimalSeparator) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Open(kRed);
    SetBarPosition(*Bar("scrollBright"), 125);
    EXPECT_EQ(Text("txtBright"), "12,5");
}

TEST_F(Fixture, TheValueBarDownKeyLowersTheValue) {
    Open(kRed);
    Bar("scrollBright")->setFocus();
    Key(Qt::Key_Down);
    EXPECT_EQ(BarPosition(*Bar("scrollBright")), 990);
    EXPECT_EQ(Text("txtBright"), "99");
    Key(Qt::Key_PageDown);
    EXPECT_EQ(Text("txtBright"), "89");
}

TEST_F(Fixture, WhitePutsTheSaturationBarAtTheBottomAndPaintsTheFieldWhite) {
    Open(0x00336699);
    Char('w');
    EXPECT_EQ(BarPosition(*Bar("scrollSat")), 0);
    EXPECT_EQ(Bar("scrollSat")->value(), Bar("scrollSat")->maximum()); // thumb at the bottom
    EXPECT_EQ(BarPosition(*Bar("scrollBright")), 1000);
    for (int y = 0; y < 360; ++y) {
        ASSERT_EQ(FieldColor(0, y), 0x00FFFFFF) << y;
    }
    EXPECT_EQ(Text("txtHue"), "0");
}

struct PresetKey {
    const char* name;
    char key;
    OLE_COLOR color;
};

class PressingAPresetKey : public Fixture, public testing::WithParamInterface<PresetKey> {};

TEST_P(PressingAPresetKey, SelectsItsSquareInEitherCase) {
    const PresetKey& row = GetParam();
    Open(0x00123456);
    for (const char key : {row.key, static_cast<char>(QChar::fromLatin1(row.key).toLower().toLatin1())}) {
        QSignalSpy changed(dialog.get(), &frmHSVTintrix::ColorChanged);
        Char(key);
        ASSERT_EQ(changed.count(), 1) << key;
        EXPECT_EQ(changed.at(0).at(0).value<OLE_COLOR>(), row.color) << key;
    }
}

const PresetKey kPresetKeys[] = {
    {"White", 'W', 0x00FFFFFF}, {"Red", 'R', 0x000000FF},      {"Green", 'G', 0x0000FF00},
    {"Blue", 'B', 0x00FF0000},  {"Black", 'D', 0x00000000},    {"Yellow", 'Y', 0x0000FFFF},
    {"Cyan", 'C', 0x00FFFF00},  {"Magenta", 'M', 0x00FF00FF},  {"LightGrey", '0', 0x00C0C0C0},
    {"Grey", '1', 0x00808080},  {"DarkGrey", '2', 0x00404040}, {"GreyBarSquare", 'S', 0x00808080},
};
INSTANTIATE_TEST_SUITE_P(HSVDialog, PressingAPresetKey, testing::ValuesIn(kPresetKeys), ByName());

TEST_F(Fixture, SSelectsTheGreyOfSquare11AndXDoesNothing) {
    Open(0x00404040);
    Char('x');
    EXPECT_EQ(dialog->SelectedColor(), 0x00404040);
    Char('r');
    Bar("scrollGray")->setValue(200);
    Char('r');
    QSignalSpy changed(dialog.get(), &frmHSVTintrix::ColorChanged);
    Char('x');
    EXPECT_EQ(changed.count(), 0);
    Char('s');
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).value<OLE_COLOR>(), 0x00C8C8C8);
}

// The dialog sees the keys first, whichever control has the focus.
TEST_F(Fixture, PresetKeysWorkWhileABarHasTheFocus) {
    Open(kRed);
    Bar("scrollGray")->setFocus();
    Char('y');
    EXPECT_EQ(dialog->SelectedColor(), 0x0000FFFF);
    EXPECT_EQ(Bar("scrollGray")->value(), 128);
}

TEST_F(Fixture, AltWithAPresetLetterIsNoPresetKey) {
    Open(kRed);
    Key(Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(dialog->SelectedColor(), kRed);
}

TEST_F(Fixture, AClickOnAPresetSquareSelectsItAndItsBarsFollow) {
    Open(kRed);
    QSignalSpy changed(dialog.get(), &frmHSVTintrix::ColorChanged);
    QTest::mouseClick(Square(9), Qt::LeftButton);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(dialog->SelectedColor(), 0x00808080);
    EXPECT_EQ(BarPosition(*Bar("scrollSat")), 0);
    EXPECT_EQ(BarPosition(*Bar("scrollBright")), 502); // 128 / 255
    EXPECT_EQ(Text("txtBright"), "50.2");
}

TEST_F(Fixture, ADoubleClickOnAPresetSquareSelectsItOnce) {
    Open(kRed);
    QSignalSpy changed(dialog.get(), &frmHSVTintrix::ColorChanged);
    QTest::mouseDClick(Window(), Qt::LeftButton, {}, Square(5)->mapTo(dialog.get(), QPoint(12, 12)));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(dialog->SelectedColor(), 0x0000FFFF);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(Fixture, APressOnASquareReleasedElsewhereIsNoClick) {
    Open(kRed);
    QTest::mousePress(Window(), Qt::LeftButton, {}, Square(2)->mapTo(dialog.get(), QPoint(12, 12)));
    QTest::mouseRelease(Window(), Qt::LeftButton, {}, Square(2)->mapTo(dialog.get(), QPoint(40, 12)));
    EXPECT_EQ(dialog->SelectedColor(), kRed);
}

TEST_F(Fixture, TheFocusMarkerShowsWhileTheFieldHasTheFocus) {
    Open(kRed);
    QWidget* marker = Control<QWidget>("shpFocus");
    EXPECT_TRUE(marker->isVisible());
    Bar("scrollSat")->setFocus();
    EXPECT_FALSE(marker->isVisible());
    Field()->setFocus();
    EXPECT_TRUE(marker->isVisible());
}

TEST_F(Fixture, OneShotBarsOnlyPreviewTheField) {
    Open(kRed, true);
    QSignalSpy changed(dialog.get(), &frmHSVTintrix::ColorChanged);
    SetBarPosition(*Bar("scrollSat"), 500);
    SetBarPosition(*Bar("scrollBright"), 600);
    Bar("scrollGray")->setValue(10);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(dialog->SelectedColor(), kRed);
    EXPECT_EQ(Text("txtSat"), "100");
    EXPECT_EQ(FieldColor(0, 0), modColorModels::HSBToRGB({0, 0.5f, 0.6f}));
    EXPECT_EQ(BackColor(*Square(11)), 0x000A0A0A);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(Fixture, OneShotClosesOnTheFirstSelectionWithTheRowsColour) {
    QSignalSpy changed(dialog.get(), &frmHSVTintrix::ColorChanged);
    const OLE_COLOR row240 = modColorModels::HSBToRGB({240, 0.5f, 0.6f});
    const bool cancelled = ShowModal(
        [this] {
            SetBarPosition(*Bar("scrollSat"), 500);
            SetBarPosition(*Bar("scrollBright"), 600);
            // Sent directly, as QTest would also run the pending events.
            const QPointF row(10, 240);
            QMouseEvent press(QEvent::MouseButtonPress, row, Field()->mapToGlobal(row), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(Field(), &press);
            QMouseEvent release(QEvent::MouseButtonRelease, row, Field()->mapToGlobal(row), Qt::LeftButton,
                                Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(Field(), &release);
            EXPECT_TRUE(dialog->isVisible()); // it closes from the timer, once this event is handled
        },
        kRed, true);
    EXPECT_FALSE(cancelled);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).value<OLE_COLOR>(), row240);
    EXPECT_EQ(dialog->SelectedColor(), row240);
}

TEST_F(Fixture, OneShotClosesOnAPresetKey) {
    EXPECT_FALSE(ShowModal([this] { Char('c'); }, kRed, true));
    EXPECT_EQ(dialog->SelectedColor(), 0x00FFFF00);
}

} // namespace
