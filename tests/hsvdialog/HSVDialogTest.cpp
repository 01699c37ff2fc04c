// The HSV dialog as a user and a caller meet it: how it opens, is placed, chooses and ends.
#include "HSVDialogFixture.h"
#include "common/ComponentError.h"

#include <ranges>

namespace {

using Fixture = HSVDialogFixture;
constexpr std::int32_t kNone = frmHSVTintrix::NoPosition;

TEST_F(Fixture, EndsModallyAsTheUserEndsIt) {
    // clang-format off
    const std::tuple<bool, bool, std::function<void()>, bool> endings[] = {
        {true, false, [this] { QTest::mouseClick(Control("cmdOk"), Qt::LeftButton); }, false},
        // Enter and Escape end it when they are released, not when pressed.
        {false, false, [this] { QTest::keyPress(Window(), Qt::Key_Return); EXPECT_TRUE(dialog->isVisible());
                                QTest::keyRelease(Window(), Qt::Key_Return); }, false},
        {true, false, [this] { Key(Qt::Key_Enter, Qt::KeypadModifier); }, false},
        {false, false, [this] { QTest::mouseDClick(Control("lblSelectColor"), Qt::LeftButton); }, false},
        {false, true, [this] { Char('c'); }, false}, // OneShot: the first selection
        {true, false, [this] { QTest::mouseClick(Control("cmdCancel"), Qt::LeftButton); }, true},
        {true, false, [this] { Key(Qt::Key_Escape); }, true},
        {false, false, [this] { QTest::keyPress(Window(), Qt::Key_Escape); EXPECT_TRUE(dialog->isVisible());
                                QTest::keyRelease(Window(), Qt::Key_Escape); }, true}, // without buttons too
        {false, false, [this] { dialog->close(); }, true}};
    // clang-format on
    for (const auto& [buttons, once, act, cancelled] : endings) {
        Fresh();
        QSignalSpy unloading(dialog.get(), &frmHSVTintrix::Unloading);
        // A key released here that was pressed in another window does not end it.
        const bool ended = Show(once, !buttons, [&] { QTest::keyRelease(Window(), Qt::Key_Escape), act(); });
        dialog->done(cancelled ? QDialog::Accepted : QDialog::Rejected); // after the end: changes nothing
        EXPECT_EQ(std::tuple(ended, dialog->Cancelled(), unloading.count()),
                  std::tuple(cancelled, cancelled, 0)); // no Unloading in mode 0
    }
}

TEST_F(Fixture, OpensAsTheCallerAsksAndReportsEveryChange) {
    QSignalSpy changed(dialog.get(), &frmHSVTintrix::ColorChanged);
    EXPECT_FALSE(Show(false, true, [&] {
        // Placed by its outer size, 2 pixels of frame a side: 481.5 to even. A colour that is no
        // grey starts the grey bar in the middle.
        EXPECT_EQ(std::tuple(dialog->windowTitle(), dialog->frameGeometry().topLeft(),
                             Bar("scrollGray")->value(), changed.count()),
                  std::tuple("Select color", QPoint(482, 325), 128, 0));
        ClickRow(100);
        EXPECT_EQ(std::tuple(Values(), Control("lblSelectColor")->palette().color(QPalette::Window)),
                  std::tuple("85 255 0 100 100 100", QColor(85, 255, 0)));
        Char('b');
        Char('b'); // the same colour again is reported again
        Key(Qt::Key_Return);
    }));
    ASSERT_EQ(changed.count(), 3);
    EXPECT_EQ(std::tuple(changed[0][0].value<OLE_COLOR>(), changed[2][0].value<OLE_COLOR>(),
                         dialog->SelectedColor(), dialog->OriginalColor()),
              std::tuple(0x00FF55, 0xFF0000, 0xFF0000, kRed));
    // One object serves one showing.
    EXPECT_FALSE(dialog->ShowDialog(kRed, {}, false, nullptr, 1) || dialog->isVisible());
    // Mode 3 builds only; OneShot hides the buttons.
    Fresh().ShowDialog(OleColor::SystemColor(15), "Pick", false, nullptr, 3, 0, true, false);
    EXPECT_EQ(
        std::tuple(dialog->windowTitle(), dialog->OriginalColor(), dialog->SelectedColor(),
                   dialog->isVisible(), Control("cmdOk")->isVisible(), Control("lblSelectColor")->toolTip()),
        std::tuple("Pick", OleColor::SystemColor(15), 0xC8D0D4, false, false,
                   "Currently selected color. Double click or hit <Enter> to close, hit <Escape> or the X "
                   "button to cancel."));
    EXPECT_THROW(frmHSVTintrix(services).ShowDialog(0x7F000000, {}, false, nullptr, 3), ComponentError);
}

TEST_F(Fixture, TheHueFieldTheBarsAndTheirKeysMoveTheColour) {
    dialog->ShowDialog(kRed, {}, false, nullptr, 1);
    // clang-format off
    for (auto [start, key, hue] : {std::tuple(100, Qt::Key_Up, 99), {359, Qt::Key_Down, 359}, {100, Qt::Key_PageUp, 90},
             {100, Qt::Key_PageDown, 110}, {5, Qt::Key_PageUp, 0}, {355, Qt::Key_PageDown, 359}, {200, Qt::Key_Home, 0},
             {10, Qt::Key_End, 359}}) {
        // clang-format on
        ClickRow(start);
        Key(key);
        EXPECT_EQ(Text("txtHue").toInt(), hue) << start << " " << key;
    }
    const auto at = [this](int y) { return Field()->mapTo(dialog.get(), QPoint(10, y)); };
    QTest::mousePress(Window(), Qt::LeftButton, {}, at(50));
    QTest::mouseMove(Window(), at(-4)); // above the field
    EXPECT_EQ(Text("txtHue"), "0");
    QTest::mouseMove(Window(), at(600)); // below the window
    QTest::mouseRelease(Window(), Qt::LeftButton, {}, at(600));
    EXPECT_EQ(Text("txtHue"), "359");
    QTest::mouseClick(Field(), Qt::RightButton, {}, QPoint(10, 240)); // any button selects
    QSignalSpy changed(dialog.get(), &frmHSVTintrix::ColorChanged);
    SetBarPosition(*Bar("scrollSat"), 333);
    // Each row shows its hue at the bars' saturation and value.
    EXPECT_EQ(std::tuple(changed.count(), Values(), FieldColor(0), FieldColor(359)),
              std::tuple(1, "170 170 255 240 33.3 100", 0xAAAAFF, OleColor::Rgb(255, 170, 172)));
    Bar("scrollBright")->setFocus();
    Key(Qt::Key_Down);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(Values(), "151 151 227 240 33.3 89");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    SetBarPosition(*Bar("scrollBright"), 125);
    EXPECT_EQ(std::tuple(Text("txtBright"), Control("shpFocus")->isVisible()), std::tuple("12,5", false));
    Field()->setFocus(); // a dotted frame shows around the field: every third pixel of each edge
    const QImage m = Control("shpFocus")->grab().toImage();
    const auto drawn = [&m](QPoint from, QPoint step) { // of the 48 pixels from a corner along an edge
        return std::ranges::count_if(std::views::iota(0, 48),
                                     [&](int i) { return m.pixel(from + i * step) != m.pixel(2, 2); });
    };
    const QPoint end(m.width() - 1, m.height() - 1);
    EXPECT_EQ(std::tuple(Control("shpFocus")->isVisible(), drawn({}, {0, 1}), drawn({}, {1, 0}),
                         drawn(end, {0, -1}), drawn(end, {-1, 0})),
              std::tuple(true, 16, 16, 16, 16));
}

TEST_F(Fixture, PresetKeysAndSquaresSelectTheirColours) {
    dialog->ShowDialog(0x404040, {}, false, nullptr, 1);
    // A grey starts the grey bar at its own level and the saturation bar at the bottom.
    EXPECT_EQ(
        std::tuple(Bar("scrollGray")->value(), Bar("scrollSat")->value(), Square(11)->toolTip(), Square(12)),
        std::tuple(64, 1000, "Gray 25% (abs 64)", nullptr)); // and there are twelve squares
    // The dialog sees the keys first, whichever control has the focus.
    Bar("scrollGray")->setFocus();
    // clang-format off
    for (auto [key, colour] : {std::pair('W', 0xFFFFFF), {'R', 0x0000FF}, {'G', 0x00FF00}, {'B', 0xFF0000}, {'D', 0},
             {'Y', 0x00FFFF}, {'C', 0xFFFF00}, {'M', 0xFF00FF}, {'0', 0xC0C0C0}, {'1', 0x808080}, {'2', 0x404040}, {'S', 0x404040}}) {
        // clang-format on
        for (char c : {key, static_cast<char>(std::tolower(key))}) {
            Char(c), Char('x'), Key(Qt::Key_R, Qt::AltModifier); // neither an unknown key nor Alt+R selects
            EXPECT_EQ(dialog->SelectedColor(), colour) << c;
        }
    }
    QSignalSpy changed(dialog.get(), &frmHSVTintrix::ColorChanged);
    const auto square = [this](int i, int y) { return Square(i)->mapTo(dialog.get(), QPoint(12, y)); };
    QTest::mouseDClick(Window(), Qt::LeftButton, {}, square(5, 12)); // selects once
    QTest::mousePress(Window(), Qt::LeftButton, {}, square(2, 12));
    QTest::mouseRelease(Window(), Qt::LeftButton, {}, square(2, 40)); // released elsewhere: no click
    EXPECT_EQ(std::tuple(changed.count(), dialog->SelectedColor()), std::tuple(1, 0x00FFFF));
    // clang-format off
    for (auto [level, caption, tip] : {std::tuple(0, Qt::white, "Gray 0% (abs 0)"), {128, Qt::white, "Gray 50% (abs 128)"},
             {129, Qt::black, "Gray 51% (abs 129)"}}) {
        // clang-format on
        Bar("scrollGray")->setValue(level);
        EXPECT_EQ(std::tuple(dialog->SelectedColor(), Square(11)->palette().color(QPalette::WindowText),
                             Square(11)->toolTip()),
                  std::tuple(level * 0x010101, QColor(caption), tip));
    }
}

TEST_F(Fixture, OneShotBarsOnlyPreviewAndTheFirstSelectionCloses) {
    QSignalSpy changed(dialog.get(), &frmHSVTintrix::ColorChanged);
    EXPECT_FALSE(Show(true, true, [&] {
        SetBarPosition(*Bar("scrollSat"), 500);
        SetBarPosition(*Bar("scrollBright"), 600);
        Bar("scrollGray")->setValue(10);
        EXPECT_EQ(std::tuple(changed.count(), Values(), FieldColor(0),
                             Square(11)->palette().color(QPalette::Window)),
                  std::tuple(0, "255 0 0 0 100 100", 0x4C4C99, QColor(10, 10, 10)));
        ClickRow(240); // it closes from the timer
    }));
    EXPECT_EQ(std::tuple(changed.count(), dialog->SelectedColor()), std::tuple(1, 0x994C4C));
}

TEST_F(Fixture, PlacesItselfByPositionAndKeepsOnTheScreenOfItsParent) {
    const std::vector<QRect> one{{0, 0, 1280, 1024}}, two{one[0], {1280, 0, 1280, 1024}};
    const QRect parent(300, 100, 400, 300);
    // clang-format off
    const std::tuple<std::vector<QRect>, QRect, std::int32_t, std::int32_t, std::int32_t, QPoint> table[] = {
        {{{0, 0, 1278, 1024}}, {}, 0, kNone, kNone, {482, 327}}, {one, {300, 200, 400, 300}, 1, kNone, kNone, {344, 165}},
        {one, {400, 100, 400, 300}, 2, kNone, kNone, {87, 100}}, {one, {0, 100, 400, 300}, 2, kNone, kNone, {0, 100}},
        {one, {880, 100, 400, 300}, 3, kNone, kNone, {967, 100}}, {one, {300, 900, 400, 100}, 3, kNone, kNone, {700, 654}},
        {one, parent, 4, 10, 20, {310, 120}}, {one, parent, 4, 10, kNone, {484, 327}}, {one, {}, 5, 100, 50, {100, 50}},
        {one, {}, 5, 5000, -70, {967, 0}}, {one, {}, 3, kNone, kNone, {484, 327}}, {one, parent, 7, kNone, kNone, {0, 0}},
        {{{0, 0, 200, 300}}, {}, 0, kNone, kNone, {0, 0}},
        // Two monitors side by side: placed and kept on the one that holds the parent's centre.
        {two, {1700, 100, 700, 300}, 3, kNone, kNone, {2247, 100}}, {two, {1700, 100, 700, 300}, 0, kNone, kNone, {1764, 327}},
        {two, {1100, 100, 400, 300}, 2, kNone, kNone, {1280, 100}}}; // its centre 1300 is on the right-hand one
    // clang-format on
    for (const auto& [screens, rect, p, left, top, at] : table) {
        metrics.screens = screens;
        QWidget owner;
        owner.setGeometry(rect);
        Fresh().ShowDialog(kRed, {}, false, rect.isNull() ? nullptr : &owner, 9, p, false, true, left, top);
        EXPECT_EQ(dialog->pos(), at) << "position " << p << " parent at " << rect.x();
    }
    // The swatch fills the panel below the grey bar (600, 3180, 1632, 240 twips) and a 5-pixel gap.
    // clang-format off
    for (auto [twips, buttons, client, panel, swatch] : {std::tuple(15.0, true, QSize(313, 391), 360, QRect(40, 233, 109, 127)),
             {12.0, true, QSize(387, 396), 360, QRect(50, 290, 136, 70)}, {10.0, false, QSize(461, 407), 397, QRect(60, 347, 163, 50)}}) {
        // clang-format on
        metrics.twipsPerPixelX = metrics.twipsPerPixelY = twips;
        Fresh().ShowDialog(kRed, {}, false, nullptr, 3, 0, false, !buttons);
        const int W = (client.width() - 15) / 2;
        EXPECT_EQ(std::tuple(dialog->size(), Field()->geometry(), Control("picGUI")->geometry(),
                             Control("lblSelectColor")->geometry()),
                  std::tuple(client, QRect(5, 5, W, 360), QRect(W + 10, 5, W, panel), swatch));
    }
}

TEST_F(Fixture, FollowsItsParentInMode2AndTakesTheFocusToTheFieldOnActivation) {
    QWidget parent;
    QSignalSpy unloading(dialog.get(), &frmHSVTintrix::Unloading);
    EXPECT_FALSE(dialog->ShowDialog(kRed, {}, true, &parent, 2, 3));
    parent.setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(dialog->isVisible());
    parent.setWindowState(Qt::WindowNoState);
    EXPECT_EQ(std::tuple(dialog->parentWidget(), dialog->isVisible(), dialog->isMinimized()),
              std::tuple(nullptr, true, false));
    Bar("scrollBright")->setFocus();
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(dialog.get(), &activation);
    EXPECT_EQ(dialog->focusWidget(), Field());
    parent.close(); // closes the dialog first
    EXPECT_EQ(std::tuple(dialog->isVisible(), dialog->Cancelled(), unloading.count()),
              std::tuple(false, true, 1));
    for (auto [useParent, mode] : {std::pair(true, 1), {false, 2}}) { // owned; only placed
        QWidget owner;
        Fresh().ShowDialog(kRed, {}, useParent, &owner, mode, 3);
        owner.setWindowState(Qt::WindowMinimized);
        EXPECT_EQ(std::tuple(dialog->parentWidget(), dialog->isVisible()),
                  std::tuple(useParent ? &owner : nullptr, true));
        dialog.reset(); // before the owner, as a caller holding the dialog does
    }
}

} // namespace
