// What the dialog looks like once built: controls, layout at several resolutions, the grey bar
// and the drawing of the hue field.
#include "HSVDialogFixture.h"
#include "colormodels/modColorModels.h"

namespace {

using Fixture = HSVDialogFixture;

TEST_F(Fixture, HasEveryControlByItsName) {
    QStringList names = {"picColors",    "shpFocus",   "picGUI",         "cmdOk",  "cmdCancel", "scrollSat",
                         "scrollBright", "scrollGray", "txtHue",         "txtSat", "txtBright", "txtRed",
                         "txtGreen",     "txtBlue",    "lblSelectColor", "Timer"};
    for (int i = 0; i < 6; ++i) {
        names << QStringLiteral("lblDesc(%1)").arg(i);
    }
    for (int i = 0; i < 12; ++i) {
        names << QStringLiteral("lblColor(%1)").arg(i);
    }
    for (const QString& name : names) {
        EXPECT_NE(dialog->findChild<QObject*>(name), nullptr) << name.toStdString();
    }
    const QStringList descriptions = {"Hue", "Saturation %", "Value %", "Red", "Green", "Blue"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(Control<QLabel>(QStringLiteral("lblDesc(%1)").arg(i))->text(), descriptions[i]);
    }
}

TEST_F(Fixture, LaysItselfOutWithButtonsAt96Dpi) {
    dialog->ShowDialog(kRed, {}, false, nullptr, 1, 0, false, false);
    EXPECT_EQ(dialog->size(), QSize(313, 391));
    EXPECT_EQ(Field()->geometry(), QRect(5, 5, 149, 360));
    EXPECT_EQ(Control<QWidget>("picGUI")->geometry(), QRect(159, 5, 149, 360));
    EXPECT_EQ(Button("cmdOk")->geometry(), QRect(5, 370, 149, 21));
    EXPECT_EQ(Button("cmdCancel")->geometry(), QRect(159, 370, 149, 21));
    EXPECT_EQ(Control<QWidget>("shpFocus")->geometry(), QRect(4, 4, 151, 362));
    EXPECT_EQ(Bar("scrollSat")->geometry(), QRect(0, 0, 16, 360));
    EXPECT_EQ(Bar("scrollBright")->geometry(), QRect(20, 0, 16, 360));
    EXPECT_EQ(Bar("scrollGray")->geometry(), QRect(40, 212, 109, 16));
    EXPECT_EQ(Swatch()->geometry(), QRect(40, 233, 109, 127)); // down to the panel's bottom edge
    EXPECT_EQ(Square(0)->geometry(), QRect(40, 128, 24, 24));
    EXPECT_EQ(Square(11)->geometry(), QRect(124, 184, 24, 24));
    EXPECT_TRUE(Button("cmdOk")->isVisible());
    EXPECT_TRUE(Button("cmdOk")->isDefault());
    EXPECT_EQ(Swatch()->toolTip(), "Currently selected color. Double click to close");
}

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
    {"NoButtonsAt96Dpi", 15, false, {313, 370}, 360},
    {"ButtonsAt120Dpi", 12, true, {387, 396}, 360}, // W 186, B 26
    {"ButtonsAt144Dpi", 10, true, {461, 438}, 397}, // the panel is taller than the field
    {"NoButtonsAt144Dpi", 10, false, {461, 407}, 397},
};
INSTANTIATE_TEST_SUITE_P(HSVDialog, LaysOut, testing::ValuesIn(kResolutions),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Fixture, GivesTheBarsTheirRangesAndSteps) {
    dialog->ShowDialog(0x00FF8040, {}, false, nullptr, 3);
    for (const char* name : {"scrollSat", "scrollBright"}) {
        const QScrollBar* bar = Bar(name);
        EXPECT_EQ(bar->maximum() - bar->minimum(), 1000) << name;
        EXPECT_EQ(bar->singleStep(), 10) << name;
        EXPECT_EQ(bar->pageStep(), 100) << name;
    }
    EXPECT_EQ(Bar("scrollGray")->minimum(), 0);
    EXPECT_EQ(Bar("scrollGray")->maximum(), 255);
    EXPECT_EQ(Bar("scrollGray")->pageStep(), 10);
    EXPECT_EQ(BarPosition(*Bar("scrollBright")), 1000);                      // value 1 at the top
    EXPECT_EQ(BarPosition(*Bar("scrollSat")), 749);                          // 0xBF / 0xFF
    EXPECT_EQ(Bar("scrollBright")->value(), Bar("scrollBright")->minimum()); // thumb at the top
}

TEST_F(Fixture, TellsTheUserTheRulesInToolTips) {
    dialog->ShowDialog(kRed, {}, false, nullptr, 3);
    EXPECT_EQ(Field()->toolTip(), "Click or use the cursor keys to select the hue.");
    EXPECT_EQ(Button("cmdOk")->toolTip(), "Click to close. Or hit <Enter>.");
    EXPECT_EQ(Button("cmdCancel")->toolTip(), "Click to cancel. Or hit <Escape> or the X button.");
    EXPECT_EQ(Swatch()->toolTip(), "Currently selected color. Double click or hit <Enter> to close, hit "
                                   "<Escape> or the X button to cancel.");
    const QStringList tips = {"White", "Red",     "Green",    "Blue",     "Black",   "Yellow",
                              "Cyan",  "Magenta", "75% gray", "50% gray", "25% gray"};
    for (int i = 0; i < tips.size(); ++i) {
        EXPECT_EQ(Square(i)->toolTip(), tips[i]);
    }
    EXPECT_EQ(Button("cmdOk")->text(), "&OK");
    EXPECT_EQ(Button("cmdCancel")->text(), "&Cancel");
}

TEST_F(Fixture, ColoursTheGreySquaresIn64Steps) {
    dialog->ShowDialog(kRed, {}, false, nullptr, 3);
    EXPECT_EQ(BackColor(*Square(8)), 0x00C0C0C0);
    EXPECT_EQ(BackColor(*Square(9)), 0x00808080);
    EXPECT_EQ(BackColor(*Square(10)), 0x00404040);
    EXPECT_EQ(BackColor(*Square(3)), 0x00FF0000);
    EXPECT_EQ(CaptionColor(*Square(3)), 0x00FFFFFF);
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
INSTANTIATE_TEST_SUITE_P(HSVDialog, StartsTheGreyBar, testing::ValuesIn(kGreyStarts),
                         [](const auto& info) { return std::string(info.param.name); });

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
INSTANTIATE_TEST_SUITE_P(HSVDialog, MovingTheGreyBar, testing::ValuesIn(kGreyLevels),
                         [](const auto& info) { return std::string(info.param.name); });

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
    for (const auto& [sat, bright] : {std::pair{1000, 1000}, {333, 1000}, {1000, 500}, {250, 750}}) {
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
    SetBarPosition(*Bar("scrollSat"), 1000);
    SetBarPosition(*Bar("scrollBright"), 1000);
    EXPECT_EQ(FieldColor(0, 0), 0x000000FF);   // red at the top
    EXPECT_EQ(FieldColor(0, 60), 0x0000FFFF);  // yellow
    EXPECT_EQ(FieldColor(0, 120), 0x0000FF00); // green
    EXPECT_EQ(FieldColor(0, 180), 0x00FFFF00); // cyan
    EXPECT_EQ(FieldColor(0, 240), 0x00FF0000); // blue
    EXPECT_EQ(FieldColor(0, 300), 0x00FF00FF); // magenta
}

TEST_F(Fixture, PaintsOneGreyFromTopToBottomWithoutSaturation) {
    Open(0x00808080);
    for (int y = 0; y < 360; ++y) {
        ASSERT_EQ(FieldColor(0, y), 0x00808080) << y;
    }
}

} // namespace
