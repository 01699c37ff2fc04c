#include "MainDialogFixture.h"
#include "platform/PictureBox.h"
#include "platform/QtColor.h"

#include <QTimer>

namespace {

// A control's name as a test name can spell it: lblCol(2) gives lblCol2.
std::string TestName(std::string name) {
    std::erase_if(name, [](char c) { return c == '(' || c == ')'; });
    return name;
}

struct Placement {
    const char* name;
    const char* kind;
    QRect pixels; // at 12 twips per pixel, the screen the dialog was designed on
};

// clang-format off
const Placement kPlacements[] = {
    {"cboSelect", "QComboBox", {5, 5, 256, 28}},
    {"cmdSelect", "QPushButton", {305, 180, 100, 26}},
    {"cmdSelectSpecial", "QPushButton", {200, 180, 100, 26}},
    {"cmdCopy", "QPushButton", {410, 180, 70, 26}},
    {"chkPick", "QPushButton", {485, 180, 70, 26}},
    {"cmdSetFromRGB", "QPushButton", {200, 40, 60, 26}},
    {"txtBaseColorRGB", "QLineEdit", {265, 40, 289, 24}},
    {"cmdSetFromHSB", "QPushButton", {200, 70, 60, 26}},
    {"txtBaseColorHSV", "QLineEdit", {265, 70, 289, 24}},
    {"cmdDim", "QPushButton", {200, 100, 60, 26}},
    {"txtDimFactor", "QLineEdit", {265, 100, 50, 24}},
    {"chkITU", "QCheckBox", {410, 130, 146, 21}},
    {"chkHSVImmediate", "QCheckBox", {200, 155, 201, 21}},
    {"lblCol(0)", "QLabel", {560, 40, 188, 104}},
    {"lblCol(1)", "QLabel", {560, 150, 188, 161}},
    {"txtDimmedColorValue", "QLineEdit", {5, 255, 550, 30}},
    {"lblCol(2)", "QLabel", {583, 175, 144, 50}},
    {"picZoom", "PictureBox", {405, 0, 31, 31}},
    {"lblCol(3)", "QLabel", {583, 255, 144, 50}},
    {"txtContrastColorValue", "QLineEdit", {5, 285, 550, 30}},
    {"txtOut", "QPlainTextEdit", {5, 315, 743, 123}},
    {"txtBaseColorValue", "QLineEdit", {5, 225, 550, 30}},
    {"lblCol(4)", "QLabel", {583, 155, 144, 21}},
    {"lblCol(5)", "QLabel", {583, 235, 144, 21}},
    {"lstEquivalent", "QListWidget", {5, 40, 191, 164}},
    {"cboContrastColorMode", "QComboBox", {410, 100, 146, 26}},
    {"txtMask", "QLineEdit", {320, 100, 80, 24}},
    {"chkScratchPad", "QCheckBox", {410, 155, 146, 21}},
};
// clang-format on

class ControlPlacement : public MainDialogTest, public testing::WithParamInterface<Placement> {};

TEST_P(ControlPlacement, HasItsKindPositionAndSizeInPixels) {
    metrics.twipsPerPixelX = metrics.twipsPerPixelY = 12.0;
    Open();
    QWidget* control = Get(GetParam().name);
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(control->inherits(GetParam().kind)) << control->metaObject()->className();
    EXPECT_EQ(control->geometry(), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(MainDialog, ControlPlacement, testing::ValuesIn(kPlacements),
                         [](const testing::TestParamInfo<Placement>& info) {
                             return TestName(info.param.name);
                         });

TEST_F(MainDialogTest, ConvertsTwipsWithTheScreensTwipsPerPixelRoundingHalvesToEven) {
    metrics.twipsPerPixelX = metrics.twipsPerPixelY = 8.0; // 180 DPI
    Open();
    // 6996 / 8 = 874.5 and 1860 / 8 = 232.5 go down to the even pixel, 60 / 8 = 7.5 goes up.
    EXPECT_EQ(Get("lblCol(4)")->geometry(), QRect(874, 232, 216, 32));
    EXPECT_EQ(Get("cboSelect")->pos(), QPoint(8, 8));
    EXPECT_EQ(dialog->width(), 1126); // 9012 / 8 = 1126.5
}

TEST_F(MainDialogTest, WindowIsAFixedDialogCaptionedTintrixWithoutTheScratchPad) {
    metrics.twipsPerPixelX = metrics.twipsPerPixelY = 12.0;
    Open();
    EXPECT_EQ(dialog->windowTitle(), "Tintrix");
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_FALSE(dialog->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowCloseButtonHint);
    // 442 designed pixels less the pad (123) and its gap (5).
    EXPECT_EQ(dialog->size(), QSize(751, 314));
    EXPECT_EQ(dialog->font().family(), "DejaVu Sans Mono");
    EXPECT_DOUBLE_EQ(dialog->font().pointSizeF(), 9.0);
}

struct FontRow {
    const char* name;
    const char* family;
    double points;
    bool bold;
};

class ControlFont : public MainDialogTest, public testing::WithParamInterface<FontRow> {};

TEST_P(ControlFont, IsTheDesignedFont) {
    Open();
    const QFont font = Get(GetParam().name)->font();
    EXPECT_EQ(font.family(), GetParam().family);
    EXPECT_DOUBLE_EQ(font.pointSizeF(), GetParam().points);
    EXPECT_EQ(font.bold(), GetParam().bold);
}

INSTANTIATE_TEST_SUITE_P(MainDialog, ControlFont,
                         testing::Values(FontRow{"cboSelect", "Trebuchet MS", 9.0, false},
                                         FontRow{"cmdCopy", "Trebuchet MS", 7.8, true},
                                         FontRow{"chkScratchPad", "Trebuchet MS", 7.8, true},
                                         FontRow{"lstEquivalent", "Trebuchet MS", 7.8, false},
                                         FontRow{"txtBaseColorRGB", "DejaVu Sans Mono", 7.8, true},
                                         FontRow{"txtOut", "DejaVu Sans Mono", 7.8, true},
                                         FontRow{"lblSelect", "DejaVu Sans Mono", 7.8, true},
                                         FontRow{"lblCol(2)", "DejaVu Sans Mono", 9.0, false}),
                         [](const testing::TestParamInfo<FontRow>& info) {
                             return TestName(info.param.name);
                         });

struct ToolTipRow {
    const char* name;
    const char* toolTip;
};

// clang-format off
const ToolTipRow kToolTips[] = {
    {"cboSelect", "Select a predefined base color"},
    {"lblSelect", "Shows the predefined color's  value"},
    {"lstEquivalent", "List of equivalent predefined colors"},
    {"cmdSetFromRGB", "Set base color from RGB value value entered at the right"},
    {"txtBaseColorRGB", "Enter base color value in RGB notation. The first found altered value is taken."},
    {"cmdSetFromHSB", "Set base color from HSV value entered at the right"},
    {"txtBaseColorHSV", "Enter base color value in HSV notation"},
    {"cmdDim", "Set dimmed and contrast color"},
    {"txtDimFactor", "Enter a dim factor (-0.5 .. +0.5). Negative values darken, positive values lighten. Hit enter to apply."},
    {"txtMask", "Enter a hexadecimal mask for the contrast methods. Hit enter to apply."},
    {"cboContrastColorMode", "Select a method for calculating the contrast color"},
    {"chkITU", "If checked, ITU is used for calculating the grey value, otherwise CIE standard (recommended) is used."},
    {"chkHSVImmediate", "If checked, a color selected in the HSV selector is immediately transferred."},
    {"chkScratchPad", "If checked, the dialog is extended and the scratch pad is shown."},
    {"cmdSelectSpecial", "Select a base color using the HSV Tintrix dialog"},
    {"cmdSelect", "Select a base color using the systems color dialog"},
    {"cmdCopy", "Copies current base color, dim color and contrast color values to clipboard and to scratch pad (if shown)"},
    {"chkPick", "Starts base color picking from cursor pos. <P> stops, <Esc> cancels. Move cursor by cursor keys, use <Ctl> or <Shift> for speed."},
    {"txtBaseColorValue", "Base color"},
    {"txtDimmedColorValue", "Dimmed color"},
    {"txtContrastColorValue", "Contrast color"},
    {"txtOut", "Scratch pad. Double click to clear."},
    {"lblCol(0)", "Base color"},
    {"lblCol(1)", "Base color"},
    {"lblCol(2)", "Background in dimmed color, text in base color"},
    {"lblCol(3)", "Background in contrast color, text in base color"},
    {"lblCol(4)", "Dimmed over base color: text in dimmed color, background in base color"},
    {"lblCol(5)", "Contrast over base color: text in contrast color, background in base color"},
};
// clang-format on

TEST_F(MainDialogTest, EveryControlHasItsToolTipExactly) {
    Open();
    for (const ToolTipRow& row : kToolTips) {
        EXPECT_EQ(Get(row.name)->toolTip(), QString::fromUtf8(row.toolTip)) << row.name;
    }
}

TEST_F(MainDialogTest, CaptionsAndStatesAsDesigned) {
    Open();
    EXPECT_EQ(Get<QPushButton>("cmdSelect")->text(), "RGB selector");
    EXPECT_EQ(Get<QPushButton>("cmdSelectSpecial")->text(), "HSV selector");
    EXPECT_EQ(Get<QPushButton>("cmdCopy")->text(), "&Copy");
    EXPECT_EQ(Get<QPushButton>("chkPick")->text(), "P&ick!");
    EXPECT_TRUE(Get<QPushButton>("chkPick")->isCheckable());
    EXPECT_FALSE(Get<QPushButton>("chkPick")->isChecked());
    EXPECT_EQ(Get<QPushButton>("cmdSetFromRGB")->text(), "Set &RGB");
    EXPECT_EQ(Get<QPushButton>("cmdSetFromHSB")->text(), "Set &HSV");
    EXPECT_EQ(Get<QPushButton>("cmdDim")->text(), "&Dim it");
    EXPECT_EQ(Get<QCheckBox>("chkITU")->text(), "ITU grey values");
    EXPECT_FALSE(Get<QCheckBox>("chkITU")->isChecked());
    EXPECT_EQ(Get<QCheckBox>("chkHSVImmediate")->text(), "HSV immediate selection");
    EXPECT_TRUE(Get<QCheckBox>("chkHSVImmediate")->isChecked());
    EXPECT_EQ(Get<QCheckBox>("chkScratchPad")->text(), "Show scratch pad");
    EXPECT_EQ(Text("txtMask"), "&HFFFFFF");
    EXPECT_FALSE(Get<QComboBox>("cboSelect")->isEditable());
    EXPECT_FALSE(Get<QComboBox>("cboContrastColorMode")->isEditable());
    EXPECT_FALSE(Get("picZoom")->isVisible());
    auto* timer = dialog->findChild<QTimer*>("Timer");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 10);
    EXPECT_FALSE(timer->isActive());
}

TEST_F(MainDialogTest, SampleFieldsArePreparedAtStart) {
    Open();
    EXPECT_EQ(Get<QLabel>("lblCol(1)")->text(), "");
    EXPECT_EQ(Get<QLabel>("lblCol(2)")->text(), "\nThis is a test");
    EXPECT_EQ(Get<QLabel>("lblCol(3)")->text(), "\nThis is a test");
    EXPECT_EQ(Get<QLabel>("lblCol(4)")->text(), "This is a test");
    EXPECT_EQ(Get<QLabel>("lblCol(5)")->text(), "This is a test");
    EXPECT_EQ(Get<QLabel>("lblCol(0)")->frameShape(), QFrame::Box);
    EXPECT_EQ(Get<QLabel>("lblCol(1)")->frameShape(), QFrame::Box);
    for (const char* name : {"lblCol(2)", "lblCol(3)", "lblCol(4)", "lblCol(5)"}) {
        EXPECT_EQ(Get<QLabel>(name)->frameShape(), QFrame::NoFrame) << name;
    }
    EXPECT_EQ(Get("lblSelect")->height(), Get("cboSelect")->height());
}

TEST_F(MainDialogTest, InputsAreDarkBlueAndOutputsGreyOnTheDialogsBackground) {
    Open();
    const QColor darkBlue(0, 0, 0xC0), grey(0x80, 0x80, 0x80);
    for (const char* name : {"txtBaseColorRGB", "txtBaseColorHSV", "txtDimFactor", "txtMask"}) {
        EXPECT_EQ(Get(name)->palette().color(QPalette::Active, QPalette::Text), darkBlue) << name;
    }
    EXPECT_EQ(Get("cboSelect")->palette().color(QPalette::Active, QPalette::ButtonText), darkBlue);
    EXPECT_EQ(Get("chkITU")->palette().color(QPalette::Active, QPalette::WindowText), darkBlue);
    EXPECT_EQ(Get("lblSelect")->palette().color(QPalette::Active, QPalette::WindowText), grey);
    const QColor dialogBackground = dialog->palette().color(QPalette::Window);
    for (const char* name : {"txtBaseColorValue", "txtDimmedColorValue", "txtContrastColorValue"}) {
        EXPECT_EQ(Get(name)->palette().color(QPalette::Active, QPalette::Text), grey) << name;
        EXPECT_EQ(Get(name)->palette().color(QPalette::Active, QPalette::Base), dialogBackground) << name;
    }
    EXPECT_EQ(Get("txtOut")->palette().color(QPalette::Active, QPalette::Base), dialogBackground);
    EXPECT_EQ(Get("lstEquivalent")->palette().color(QPalette::Active, QPalette::Base),
              QtColor::ToQColor(OleColor::SystemColor(15)));
}

TEST_F(MainDialogTest, TabVisitsTheControlsInTheirOrder) {
    Open();
    Get("cboSelect")->setFocus();
    const QStringList expected = {"cmdSelect",
                                  "cmdSelectSpecial",
                                  "cmdCopy",
                                  "chkPick",
                                  "cmdSetFromRGB",
                                  "txtBaseColorRGB",
                                  "cmdSetFromHSB",
                                  "txtBaseColorHSV",
                                  "cmdDim",
                                  "txtDimFactor",
                                  "chkITU",
                                  "chkHSVImmediate",
                                  "txtDimmedColorValue",
                                  "txtContrastColorValue",
                                  "txtBaseColorValue",
                                  "lstEquivalent",
                                  "cboContrastColorMode",
                                  "txtMask",
                                  "chkScratchPad",
                                  "cboSelect"};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, expected);
}

TEST_F(MainDialogTest, TabReachesTheScratchPadWhenItIsShown) {
    Open();
    Click("chkScratchPad");
    Get("txtContrastColorValue")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "txtOut");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // Tab leaves the pad, it types no tab
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "txtBaseColorValue");
}

TEST_F(MainDialogTest, AccessKeysPressTheirButtons) {
    Open();
    Box("txtDimFactor")->setText("0.7");
    QSignalSpy dim(Get<QAbstractButton>("cmdDim"), &QAbstractButton::clicked);
    QTest::keyClick(dialog.get(), Qt::Key_D, Qt::AltModifier);
    ASSERT_TRUE(dim.count() == 1 || dim.wait());
    EXPECT_EQ(Text("txtDimFactor"), "0.5");

    QSignalSpy copy(Get<QAbstractButton>("cmdCopy"), &QAbstractButton::clicked);
    QTest::keyClick(dialog.get(), Qt::Key_C, Qt::AltModifier);
    ASSERT_TRUE(copy.count() == 1 || copy.wait());
    EXPECT_EQ(clipboard.texts.size(), 1);

    Box("txtBaseColorRGB")->setText("&H0000FF #FED98B RGB(254, 217, 139)");
    QSignalSpy setRGB(Get<QAbstractButton>("cmdSetFromRGB"), &QAbstractButton::clicked);
    QTest::keyClick(dialog.get(), Qt::Key_R, Qt::AltModifier);
    ASSERT_TRUE(setRGB.count() == 1 || setRGB.wait());
    EXPECT_EQ(dialog->BaseColor(), 0x0000FF);

    Box("txtBaseColorHSV")->setText("HSV(120, 1.0000, 1.0000)");
    QSignalSpy setHSV(Get<QAbstractButton>("cmdSetFromHSB"), &QAbstractButton::clicked);
    QTest::keyClick(dialog.get(), Qt::Key_H, Qt::AltModifier);
    ASSERT_TRUE(setHSV.count() == 1 || setHSV.wait());
    EXPECT_EQ(dialog->BaseColor(), 0x00FF00);

    QSignalSpy pick(Get<QAbstractButton>("chkPick"), &QAbstractButton::toggled);
    QTest::keyClick(dialog.get(), Qt::Key_I, Qt::AltModifier);
    ASSERT_TRUE(pick.count() == 1 || pick.wait());
}

TEST_F(MainDialogTest, EscapeDoesNotCloseTheDialog) {
    Open();
    QTest::keyClick(Get("cboSelect"), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
}

} // namespace
