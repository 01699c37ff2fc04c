// What the dialog looks like once built: controls, layout at several resolutions, the grey bar
// and the drawing of the hue field.
#include "HSVDialogFixture.h"
#include "colormodels/modColorModels.h"
#include "support/ByName.h"

namespace {

using Fixture = HSVDialogFixture;

struct Resolution {
    const char* name;
    double twipsPerPixel;
    bool buttons;
    QSize client;
    int panelHeight;
};

class LaysOut : public Fixture, public testing::WithParamInterface<Resolution> {};

TEST_P(LaysOut, WithAHueFieldOf360Rows) {
    const Resolution& row = GetParam();
    metrics.twipsPerPixelX = metrics.twipsPerPixelY = row.twipsPerPixel;
    dialog->ShowDialog(kRed, {}, false, nullptr, 3, 0, false, !row.buttons);
    const int W = (row.client.width() - 15) / 2;
    EXPECT_EQ(dialog->size(), row.client);
    EXPECT_EQ(Field()->geometry(), QRect(5, 5, W, 360));
    EXPECT_EQ(Field()->Image().size(), QSize(W, 360));
    EXPECT_EQ(Control<QWidget>("picGUI")->geometry(), QRect(W + 10, 5, W, row.panelHeight));
}

const Resolution kResolutions[] = {
    {"ButtonsAt96Dpi", 15, true, {313, 391}, 360},     {"NoButtonsAt96Dpi", 15, false, {313, 370}, 360},
    {"ButtonsAt120Dpi", 12, true, {387, 396}, 360}, // W 186, B 26
    {"ButtonsAt144Dpi", 10, true, {461, 438}, 397}, // the panel is taller than the field
    {"NoButtonsAt144Dpi", 10, false, {461, 407}, 397},
};
INSTANTIATE_TEST_SUITE_P(HSVDialog, LaysOut, testing::ValuesIn(kResolutions), ByName());

// Without buttons the keys are the only way to end, and the tip says so.
TEST_F(Fixture, TheSwatchsTipTellsHowToEndInEachMode) {
    dialog->ShowDialog(kRed, {}, false, nullptr, 3);
    EXPECT_EQ(Swatch()->toolTip(), "Currently selected color. Double click or hit <Enter> to close, hit "
                                   "<Escape> or the X button to cancel.");
    dialog = std::make_unique<frmHSVTintrix>(services);
    dialog->ShowDialog(kRed, {}, false, nullptr, 3, 0, false, false);
    EXPECT_EQ(Swatch()->toolTip(), "Currently selected color. Double click to close");
}

TEST_F(Fixture, PutsTheBarsAtTheColoursSaturationAndValue) {
    dialog->ShowDialog(0x00FF8040, {}, false, nullptr, 3);
    EXPECT_EQ(BarPosition(*Bar("scrollBright")), 1000);                      // value 1 at the top
    EXPECT_EQ(BarPosition(*Bar("scrollSat")), 749);                          // 0xBF / 0xFF
    EXPECT_EQ(Bar("scrollBright")->value(), Bar("scrollBright")->minimum()); // thumb at the top
}

struct GreyStart {
    const char* name;
    OLE_COLOR color;
    int level;
    OLE_COLOR caption;
    const char* toolTip;
};

class StartsTheGreyBar : public Fixture, public testing::WithParamInterface<GreyStart> {};

TEST_P(StartsTheGreyBar, AtTheColoursOwnGreyOrAtTheMiddle) {
    const GreyStart& row = GetParam();
    QSignalSpy changed(dialog.get(), &frmHSVTintrix::ColorChanged);
    dialog->ShowDialog(row.color, {}, false, nullptr, 3);
    EXPECT_EQ(Bar("scrollGray")->value(), row.level);
    EXPECT_EQ(BackColor(*Square(11)), OleColor::Rgb(row.level, row.level, row.level));
    EXPECT_EQ(CaptionColor(*Square(11)), row.caption);
    EXPECT_EQ(Square(11)->toolTip(), row.toolTip);
    EXPECT_EQ(Square(11)->text(), "S");
    EXPECT_EQ(dialog->SelectedColor(), modColorModels::TranslateColor(row.color)); // not selected
    EXPECT_EQ(changed.count(), 0);
}

const GreyStart kGreyStarts[] = {
    {"DarkGrey", 0x00404040, 64, 0x00FFFFFF, "Gray 25% (abs 64)"},
    {"Black", 0x00000000, 0, 0x00FFFFFF, "Gray 0% (abs 0)"},
    {"White", 0x00FFFFFF, 255, 0x00000000, "Gray 100% (abs 255)"},
    {"NotAGrey", 0x00123456, 128, 0x00FFFFFF, "Gray 50% (abs 128)"},
    {"SystemColour", OleColor::SystemColor(15), 128, 0x00FFFFFF, "Gray 50% (abs 128)"},
};
INSTANTIATE_TEST_SUITE_P(HSVDialog, StartsTheGreyBar, testing::ValuesIn(kGreyStarts), ByName());

struct GreyLevel {
    const char* name;
    int level;
    OLE_COLOR caption;
    const char* toolTip;
};

class MovingTheGreyBar : public Fixture, public testing::WithParamInterface<GreyLevel> {};

TEST_P(MovingTheGreyBar, SelectsItsGreyAndLabelsSquare11) {
    const GreyLevel& row = GetParam();
    Open(kRed);
    if (row.level == 128) {
        Bar("scrollGray")->setValue(127); // the bar starts at 128 for red
    }
    QSignalSpy changed(dialog.get(), &frmHSVTintrix::ColorChanged);
    Bar("scrollGray")->setValue(row.level);
    const OLE_COLOR grey = OleColor::Rgb(row.level, row.level, row.level);
    EXPECT_EQ(Square(11)->toolTip(), row.toolTip);
    EXPECT_EQ(CaptionColor(*Square(11)), row.caption);
    EXPECT_EQ(BackColor(*Square(11)), grey);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).value<OLE_COLOR>(), grey);
    EXPECT_EQ(BarPosition(*Bar("scrollSat")), 0);
}

const GreyLevel kGreyLevels[] = {
    {"Level0", 0, 0x00FFFFFF, "Gray 0% (abs 0)"},        {"Level64", 64, 0x00FFFFFF, "Gray 25% (abs 64)"},
    {"Level128", 128, 0x00FFFFFF, "Gray 50% (abs 128)"}, // 128 itself still has a white caption
    {"Level129", 129, 0x00000000, "Gray 51% (abs 129)"}, {"Level255", 255, 0x00000000, "Gray 100% (abs 255)"},
};
INSTANTIATE_TEST_SUITE_P(HSVDialog, MovingTheGreyBar, testing::ValuesIn(kGreyLevels), ByName());

TEST_F(Fixture, TheGreyBarStaysWhereItIsWhenAnotherColourIsSelected) {
    Open(kRed);
    Bar("scrollGray")->setValue(200);
    Char('b');
    EXPECT_EQ(Bar("scrollGray")->value(), 200);
}

// Row y shows hue y at the bars' saturation and value, converted as the colour functions do,
// across the whole width.
TEST_F(Fixture, PaintsEachRowAsItsHueAtTheBarsSaturationAndValue) {
    Open(kRed);
    for (const auto& [sat, bright] :
         {std::pair{1000, 1000}, {333, 1000}, {1000, 500}, {250, 750}, {0, 502}}) {
        SetBarPosition(*Bar("scrollSat"), sat);
        SetBarPosition(*Bar("scrollBright"), bright);
        const int last = Field()->width() - 1;
        for (int y = 0; y < 360; ++y) {
            const HSBValues hsb{y, sat / 1000.0f, bright / 1000.0f};
            ASSERT_EQ(FieldColor(0, y), modColorModels::HSBToRGB(hsb))
                << sat << " " << bright << " row " << y;
            ASSERT_EQ(FieldColor(last, y), FieldColor(0, y));
        }
    }
}

} // namespace
