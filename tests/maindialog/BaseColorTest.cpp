#include "MainDialogFixture.h"
#include "colormodels/modColorModels.h"
#include "namedcolors/modNamedColors.h"
#include "platform/QtColor.h"
#include "support/ByName.h"

namespace {

QString RGBText(OLE_COLOR color) {
    return QString::fromStdString(modNamedColors::FormatRGBText(color));
}
QString HSVTextOf(OLE_COLOR color) {
    HSBValues hsv;
    modColorModels::RGBToHSB(color, hsv);
    return QString::fromStdString(modNamedColors::FormatHSVText(hsv));
}
QString ValueText(OLE_COLOR color) {
    return QString::fromStdString(modNamedColors::FormatColorText(color, HSBValues{}, 2));
}

TEST_F(MainDialogTest, OpensWithTheStartColorDimFactorAndShiftHueAndNoPad) {
    Open();
    EXPECT_EQ(dialog->BaseColor(), kStartColor);
    EXPECT_FALSE(dialog->Cancelled());
    EXPECT_EQ(dialog->BaseColorName(), "");
    EXPECT_EQ(Text("txtBaseColorRGB"), "&H8BD9FE #FED98B RGB(254, 217, 139)");
    EXPECT_EQ(Text("txtBaseColorHSV"), "HSV( 41, 0.4528, 0.9961)");
    EXPECT_EQ(Text("txtDimFactor"), "0.2");
    EXPECT_EQ(Get<QComboBox>("cboContrastColorMode")->currentText(), "ShiftHue");
    EXPECT_FALSE(Get<QCheckBox>("chkScratchPad")->isChecked());
    EXPECT_FALSE(Get("txtOut")->isVisible());
    EXPECT_FALSE(Get<QComboBox>("cboSelect")->isEditable());
    EXPECT_FALSE(Get<QComboBox>("cboContrastColorMode")->isEditable());

    EXPECT_EQ(dialog->BaseColorGreyValue(), modColorModels::GrayValueOfColor(kStartColor, false));
    EXPECT_EQ(dialog->DimmedColor(), modColorModels::DimColor(kStartColor, 0.2f));
    EXPECT_EQ(dialog->ContrastColor(), modColorModels::ContrastShiftHue(kStartColor, true));
    EXPECT_EQ(Text("txtBaseColorValue"), ValueText(kStartColor) + " G(219)");
    EXPECT_EQ(Text("txtDimmedColorValue"),
              ValueText(dialog->DimmedColor()) + QString(" G(%1)").arg(dialog->DimmedColorGreyValue(), 3));
    EXPECT_EQ(Text("txtContrastColorValue"), ValueText(dialog->ContrastColor()) +
                                                 QString(" G(%1)").arg(dialog->ContrastColorGreyValue(), 3));
}

TEST_F(MainDialogTest, SampleFieldsShowTheBaseDimmedAndContrastColors) {
    Open();
    const QColor base = QtColor::ToQColor(dialog->BaseColor());
    const QColor dimmed = QtColor::ToQColor(dialog->DimmedColor());
    const QColor contrast = QtColor::ToQColor(dialog->ContrastColor());
    // Background and text of lblCol(0) .. lblCol(5); the swatches' text is unseen.
    const std::pair<QColor, QColor> expected[] = {{base, {}},       {base, {}},     {dimmed, base},
                                                  {contrast, base}, {base, dimmed}, {base, contrast}};
    for (int i = 0; i < 6; ++i) {
        const QPalette palette = Get(QString("lblCol(%1)").arg(i))->palette();
        EXPECT_EQ(palette.color(QPalette::Window), expected[i].first) << i;
        if (expected[i].second.isValid()) {
            EXPECT_EQ(palette.color(QPalette::WindowText), expected[i].second) << i;
        }
    }
}

TEST_F(MainDialogTest, GreyValueSevenIsRightAlignedInThreeCharacters) {
    Open(0x070707);
    EXPECT_EQ(dialog->BaseColorGreyValue(), 7);
    EXPECT_TRUE(Text("txtBaseColorValue").endsWith(" G(  7)")) << Text("txtBaseColorValue").toStdString();
}

struct TypedColor {
    const char* name;
    const char* box;
    int from, length;
    const char* keys;
    OLE_COLOR color;
};

class TypingANotation : public MainDialogTest, public testing::WithParamInterface<TypedColor> {};

TEST_P(TypingANotation, SetsTheBaseColorOnEnter) {
    Open();
    const OLE_COLOR dimmed = dialog->DimmedColor();
    const OLE_COLOR contrast = dialog->ContrastColor();
    const QString dimmedText = Text("txtDimmedColorValue");
    Retype(GetParam().box, GetParam().from, GetParam().length, GetParam().keys);

    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(dialog->BaseColor(), GetParam().color);
    EXPECT_EQ(Text("txtBaseColorRGB"), RGBText(GetParam().color));
    EXPECT_EQ(Text("txtBaseColorValue").left(ValueText(GetParam().color).size()),
              ValueText(GetParam().color));
    // Only the base colour follows the typed text; the derived colours wait for "Dim it".
    EXPECT_EQ(dialog->DimmedColor(), dimmed);
    EXPECT_EQ(dialog->ContrastColor(), contrast);
    EXPECT_EQ(Text("txtDimmedColorValue"), dimmedText);
    Click("cmdDim");
    EXPECT_EQ(dialog->DimmedColor(), modColorModels::DimColor(GetParam().color, 0.2f));
}

// The start line is "&H8BD9FE #FED98B RGB(254, 217, 139)", the HSV text "HSV( 41, 0.4528, 0.9961)".
INSTANTIATE_TEST_SUITE_P(MainDialog, TypingANotation,
                         testing::Values(TypedColor{"Hexadecimal", "txtBaseColorRGB", 2, 6, "00FF00",
                                                    0x00FF00},
                                         TypedColor{"Web", "txtBaseColorRGB", 10, 6, "0000FF", 0xFF0000},
                                         TypedColor{"Decimal", "txtBaseColorRGB", 21, 3, " 10", 0x8BD90A},
                                         TypedColor{"SystemColorInHexadecimal", "txtBaseColorRGB", 2, 6,
                                                    "80000005", OleColor::SystemColor(5)},
                                         TypedColor{"HSVHue", "txtBaseColorHSV", 4, 3, "120",
                                                    modColorModels::HSBToRGB({120, 0.4528f, 0.9961f})}),
                         ByName());

TEST_F(MainDialogTest, TypedHSVIsShownBackAsTyped) {
    Open();
    Retype("txtBaseColorHSV", 4, 3, "120");
    EXPECT_EQ(Text("txtBaseColorHSV"), "HSV(120, 0.4528, 0.9961)");
    Retype("txtBaseColorRGB", 2, 6, "00FF00");
    EXPECT_EQ(Text("txtBaseColorHSV"), HSVTextOf(0x00FF00));
}

struct BadText {
    const char* name;
    const char* box;
    int from, length;
    const char* keys;
    const char* message;
};

class TypingBadText : public MainDialogTest, public testing::WithParamInterface<BadText> {};

TEST_P(TypingBadText, WarnsAndPutsThePreviousTextBack) {
    Open();
    const QString before = Text(GetParam().box);
    Retype(GetParam().box, GetParam().from, GetParam().length, GetParam().keys);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].icon, "warning");
    EXPECT_EQ(messages.shown[0].caption, "Tintrix");
    EXPECT_EQ(messages.shown[0].text, GetParam().message);
    EXPECT_EQ(Text(GetParam().box), before);
    EXPECT_EQ(dialog->BaseColor(), kStartColor);
}

INSTANTIATE_TEST_SUITE_P(
    MainDialog, TypingBadText,
    testing::Values(BadText{"RedAbove255", "txtBaseColorRGB", 21, 3, "300", "RGB conversion error"},
                    BadText{"TwoComponents", "txtBaseColorRGB", 24, 1, " ", "RGB conversion error"},
                    // Neither a plain RGB value nor a system colour: it would read as black.
                    BadText{"UnknownHighByte", "txtBaseColorRGB", 2, 6, "1FFFFFF0", "RGB conversion error"},
                    BadText{"HueAbove359", "txtBaseColorHSV", 4, 3, "400", "HSV conversion error"},
                    BadText{"SaturationAbove1", "txtBaseColorHSV", 9, 6, "1.5", "HSV conversion error"}),
    ByName());

struct DimFactor {
    const char* name;
    const char* typed;
    const char* rewritten;
    float factor;
};

class TypingADimFactor : public MainDialogTest, public testing::WithParamInterface<DimFactor> {};

TEST_P(TypingADimFactor, IsClampedRewrittenAndApplied) {
    Open();
    TypeOver("txtDimFactor", GetParam().typed);
    EXPECT_EQ(Text("txtDimFactor"), GetParam().rewritten);
    EXPECT_EQ(dialog->DimmedColor(), modColorModels::DimColor(kStartColor, GetParam().factor));
    EXPECT_EQ(dialog->DimmedColorGreyValue(), modColorModels::GrayValueOfColor(dialog->DimmedColor(), false));
}

INSTANTIATE_TEST_SUITE_P(MainDialog, TypingADimFactor,
                         testing::Values(DimFactor{"AboveTheLimit", "0.7", "0.5", 0.5f},
                                         DimFactor{"BelowTheLimit", "-2", "-0.5", -0.5f},
                                         DimFactor{"Letters", "abc", "0.0", 0.0f},
                                         DimFactor{"SixDecimals", "0.123456", "0.12346", 0.123456f},
                                         DimFactor{"NoLeadingZero", ".25", "0.25", 0.25f},
                                         DimFactor{"MinusZero", "-0", "0.0", 0.0f},
                                         DimFactor{"LeadingNumberOnly", "0.1.2", "0.1", 0.1f}),
                         ByName());

TEST_F(MainDialogTest, DimFactorKeepsItsPointUnderADecimalCommaLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Open();
    TypeOver("txtDimFactor", "0.25");
    EXPECT_EQ(Text("txtDimFactor"), "0.25");
    QLocale::setDefault(saved);
}

struct Mask {
    const char* name;
    const char* typed;
    const char* rewritten;
};

class TypingAMask : public MainDialogTest, public testing::WithParamInterface<Mask> {};

TEST_P(TypingAMask, IsRewrittenAsSixHexadecimalDigits) {
    Open();
    TypeOver("txtMask", GetParam().typed);
    EXPECT_EQ(Text("txtMask"), GetParam().rewritten);
}

INSTANTIATE_TEST_SUITE_P(MainDialog, TypingAMask,
                         testing::Values(Mask{"Hexadecimal", "&Hff", "&H0000FF"},
                                         Mask{"Decimal", "12", "&H00000C"},
                                         Mask{"NotANumber", "ff", "&H000000"},
                                         Mask{"SevenDigitsShownWhole", "20000000", "&H1312D00"},
                                         Mask{"TypingStopsAtEightCharacters", "&H12345678", "&H123456"}),
                         ByName());

struct Method {
    const char* name;
    int row;
    OLE_COLOR (*contrast)(OLE_COLOR color, std::int32_t mask);
};

class ChoosingAContrastMethod : public MainDialogTest, public testing::WithParamInterface<Method> {};

TEST_P(ChoosingAContrastMethod, RecomputesTheContrastColor) {
    Open();
    TypeOver("txtMask", "&H00F0F0");
    if (GetParam().row == 0) {
        Choose("cboContrastColorMode", 1); // to come back to the first entry
    }
    Choose("cboContrastColorMode", GetParam().row);
    EXPECT_EQ(Get<QComboBox>("cboContrastColorMode")->currentText(), GetParam().name);
    const OLE_COLOR expected = GetParam().contrast(kStartColor, 0x00F0F0);
    EXPECT_EQ(dialog->ContrastColor(), expected);
    EXPECT_EQ(dialog->ContrastColorGreyValue(), modColorModels::GrayValueOfColor(expected, false));
    EXPECT_TRUE(Text("txtContrastColorValue").startsWith(ValueText(expected)));
    EXPECT_EQ(dialog->BaseColor(), kStartColor);
}

INSTANTIATE_TEST_SUITE_P(MainDialog, ChoosingAContrastMethod,
                         testing::Values(Method{"ShiftHue", 0,
                                                [](OLE_COLOR c, std::int32_t) {
                                                    return modColorModels::ContrastShiftHue(c, true);
                                                }},
                                         Method{"XorWithMask", 1, modColorModels::ContrastXorWithMask},
                                         Method{"AndWithMask", 2, modColorModels::ContrastAndWithMask},
                                         Method{"CopyMask", 3, modColorModels::ContrastCopyMask},
                                         Method{"Negate", 4, modColorModels::ContrastNegate},
                                         Method{"BlackAndWhite", 5,
                                                [](OLE_COLOR c, std::int32_t) {
                                                    return modColorModels::ContrastBlackAndWhite(c, 128);
                                                }}),
                         ByName());

TEST_F(MainDialogTest, ITUToggleRecomputesTheGreyValuesOnly) {
    Open();
    const OLE_COLOR dimmed = dialog->DimmedColor();
    const OLE_COLOR contrast = dialog->ContrastColor();
    Click("chkITU");
    EXPECT_EQ(dialog->BaseColor(), kStartColor);
    EXPECT_EQ(dialog->DimmedColor(), dimmed);
    EXPECT_EQ(dialog->ContrastColor(), contrast);
    EXPECT_EQ(dialog->BaseColorGreyValue(), modColorModels::GrayValueOfColor(kStartColor, true));
    EXPECT_EQ(dialog->DimmedColorGreyValue(), modColorModels::GrayValueOfColor(dimmed, true));
    EXPECT_EQ(dialog->ContrastColorGreyValue(), modColorModels::GrayValueOfColor(contrast, true));
    EXPECT_NE(dialog->BaseColorGreyValue(), modColorModels::GrayValueOfColor(kStartColor, false));
    EXPECT_TRUE(Text("txtBaseColorValue").endsWith(QString(" G(%1)").arg(dialog->BaseColorGreyValue(), 3)));
    Click("chkITU");
    EXPECT_EQ(dialog->BaseColorGreyValue(), modColorModels::GrayValueOfColor(kStartColor, false));
}

TEST_F(MainDialogTest, ASystemColorBaseStaysASystemColorAndMatchesNoEntry) {
    Open(OleColor::SystemColor(15));
    EXPECT_EQ(dialog->BaseColor(), OleColor::SystemColor(15));
    EXPECT_EQ(Text("txtBaseColorRGB"), RGBText(modColorModels::TranslateColor(OleColor::SystemColor(15))));
    EXPECT_TRUE(EquivalentNames().isEmpty());
    EXPECT_EQ(Get<QComboBox>("cboSelect")->currentIndex(), -1);
    EXPECT_EQ(dialog->BaseColorName(), "");
    EXPECT_EQ(Get<QLabel>("lblSelect")->text(), "");
}

TEST_F(MainDialogTest, ModalShowDialogReturnsFalseWhenClosedAndKeepsTheValues) {
    frmTintrix modal(Platform::Services{&clipboard, &messages, &metrics});
    QMetaObject::invokeMethod(
        &modal, [&modal] { modal.close(); }, Qt::QueuedConnection);
    EXPECT_FALSE(modal.ShowDialog(0x0000FF, true, folder.filePath("none.txt"), "", nullptr));
    EXPECT_FALSE(modal.isVisible());
    EXPECT_FALSE(modal.Cancelled());
    EXPECT_EQ(modal.BaseColor(), 0x0000FF);
    EXPECT_EQ(modal.BaseColorName(), "BASE_Red");
    EXPECT_EQ(modal.DimmedColor(), modColorModels::DimColor(0x0000FF, 0.2f));
}

} // namespace

namespace {

TEST_F(MainDialogTest, ShowingTheDialogAgainStartsAfresh) {
    Open();
    const int entries = Get<QComboBox>("cboSelect")->count();
    const int height = dialog->height();
    Click("chkITU");
    TypeOver("txtDimFactor", "0.4");
    dialog->hide();
    dialog->ShowDialog(0x00FF00, false, folder.filePath("UserDefinedColors.txt"), "USER_", nullptr);
    EXPECT_EQ(Get<QComboBox>("cboSelect")->count(), entries);
    EXPECT_EQ(dialog->height(), height);
    EXPECT_EQ(Text("txtDimFactor"), "0.2");
    EXPECT_EQ(dialog->BaseColor(), 0x00FF00);
    EXPECT_EQ(dialog->BaseColorName(), "BASE_Green");
    EXPECT_EQ(Get<QLabel>("lblCol(4)")->text(), "This is a test");
}

} // namespace
