// The HSV dialog as a user and a caller meet it: how it opens, is placed, chooses and ends.
#include "HSVDialogFixture.h"
#include "common/ComponentError.h"

namespace {

using Fixture = HSVDialogFixture;
constexpr std::int32_t kNone = frmHSVTintrix::NoPosition;

TEST_F(Fixture, EndsModallyAsTheUserEndsIt) {
    // Enter and Escape end it when they are released, not when pressed.
    const auto released = [](Qt::Key key) {
        return [key](Fixture& f) {
            QTest::keyPress(f.dialog->windowHandle(), key);
            EXPECT_TRUE(f.dialog->isVisible());
            QTest::keyRelease(f.dialog->windowHandle(), key);
        };
    };
    // clang-format off
    const std::tuple<bool, bool, std::function<void(Fixture&)>, bool> endings[] = {
        {true, false, [](Fixture& f) { f.Control<QPushButton>("cmdOk")->click(); }, false},
        {false, false, released(Qt::Key_Return), false},
        {true, false, [](Fixture& f) { f.Key(Qt::Key_Enter, Qt::KeypadModifier); }, false},
        {false, false, [](Fixture& f) { QTest::mouseDClick(f.Control("lblSelectColor"), Qt::LeftButton); }, false},
        {false, true, [](Fixture& f) { f.Char('c'); }, false},
        {true, false, [](Fixture& f) { f.Control<QPushButton>("cmdCancel")->click(); }, true},
        {true, false, [](Fixture& f) { f.Key(Qt::Key_Escape); }, true},
        {false, false, released(Qt::Key_Escape), true}, // without buttons too
        {false, false, [](Fixture& f) { f.dialog->close(); }, true}};
    // clang-format on
    for (const auto& [buttons, oneShot, act, cancelled] : endings) {
        dialog = std::make_unique<frmHSVTintrix>(services);
        QSignalSpy unloading(dialog.get(), &frmHSVTintrix::Unloading);
        // A key released here that was pressed in another window does not end it.
        const auto end = [&] { QTest::keyRelease(dialog->windowHandle(), Qt::Key_Escape), act(*this); };
        EXPECT_EQ(Show(0, end, oneShot, !buttons), cancelled);
        EXPECT_EQ(std::tuple(dialog->Cancelled(), unloading.count()),
                  std::tuple(cancelled, 0)); // no Unloading in mode 0
    }
    EXPECT_EQ(dialog->SelectedColor(), kRed);
}

TEST_F(Fixture, OpensAsTheCallerAsksAndReportsEveryChange) {
    QSignalSpy changed(dialog.get(), &frmHSVTintrix::ColorChanged);
    EXPECT_FALSE(Show(0, [&] {
        EXPECT_EQ(std::tuple(dialog->windowTitle(), dialog->parentWidget(), Control("cmdOk")->isVisible(),
                             dialog->size(), dialog->frameGeometry().topLeft(), changed.count()),
                  std::tuple("Select color", nullptr, false, QSize(313, 370), QPoint(482, 325),
                             0)); // by the outer size, 2 pixels of frame a side: 481.5 to even
        ClickRow(100);
        EXPECT_EQ(Values(), "85 255 0 100 100 100");
        EXPECT_EQ(Control("lblSelectColor")->palette().color(QPalette::Window), QColor(85, 255, 0));
        Char('b');
        Char('b'); // the same colour again is reported again
        Key(Qt::Key_Return);
    }));
    ASSERT_EQ(changed.count(), 3);
    EXPECT_EQ(std::tuple(changed[0][0].value<OLE_COLOR>(), changed[2][0].value<OLE_COLOR>(),
                         dialog->SelectedColor(), dialog->OriginalColor()),
              std::tuple(0x00FF55, 0xFF0000, 0xFF0000, kRed));
    EXPECT_FALSE(dialog->ShowDialog(kRed, {}, false, nullptr, 1)); // one object serves one showing
    EXPECT_FALSE(dialog->isVisible());
    dialog = std::make_unique<frmHSVTintrix>(services);
    dialog->ShowDialog(OleColor::SystemColor(15), "Pick", false, nullptr, 3, 0, true,
                       false); // mode 3 builds only
    EXPECT_EQ(
        std::tuple(dialog->windowTitle(), dialog->OriginalColor(), dialog->SelectedColor(),
                   dialog->isVisible(), Control("cmdOk")->isVisible()),
        std::tuple("Pick", OleColor::SystemColor(15), 0xC8D0D4, false, false)); // OneShot hides the buttons
    EXPECT_EQ(Control("lblSelectColor")->toolTip(), "Currently selected color. Double click or hit <Enter> "
                                                    "to close, hit <Escape> or the X button to cancel.");
    dialog = std::make_unique<frmHSVTintrix>(services);
    EXPECT_THROW(dialog->ShowDialog(OleColor::FromBits(0x7F000000), {}, false, nullptr, 1), ComponentError);
}

TEST_F(Fixture, TheHueFieldTheBarsAndTheirKeysMoveTheColour) {
    Show(1);
    // clang-format off
    for (auto [start, key, hue] : {std::tuple(100, Qt::Key_Up, 99), {0, Qt::Key_Up, 0}, {359, Qt::Key_Down, 359},
             {100, Qt::Key_PageUp, 90}, {100, Qt::Key_PageDown, 110}, {5, Qt::Key_PageUp, 0}, {355, Qt::Key_PageDown, 359}, {200, Qt::Key_Home, 0},
             {10, Qt::Key_End, 359}, {100, Qt::Key_Left, 100}}) {
        // clang-format on
        ClickRow(start);
        Key(key);
        EXPECT_EQ(Control<QLineEdit>("txtHue")->text().toInt(), hue) << start << " " << key;
    }
    const auto at = [this](int y) { return Field()->mapTo(dialog.get(), QPoint(10, y)); };
    QTest::mousePress(dialog->windowHandle(), Qt::LeftButton, {}, at(50));
    QTest::mouseMove(dialog->windowHandle(), at(-4)); // above the field
    EXPECT_EQ(Control<QLineEdit>("txtHue")->text(), "0");
    QTest::mouseMove(dialog->windowHandle(), at(600)); // below the window
    QTest::mouseRelease(dialog->windowHandle(), Qt::LeftButton, {}, at(600));
    EXPECT_EQ(Control<QLineEdit>("txtHue")->text(), "359");
    QTest::mouseClick(Field(), Qt::RightButton, {}, QPoint(10, 240));
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
    EXPECT_EQ(Control<QLineEdit>("txtBright")->text(), "12,5");
    Char('w'); // white: saturation at the bottom, value at the top, the field white, the focus marker gone
    EXPECT_EQ(std::tuple(Bar("scrollSat")->value(), Bar("scrollBright")->value(), FieldColor(0),
                         FieldColor(359), Control("shpFocus")->isVisible()),
              std::tuple(Bar("scrollSat")->maximum(), 0, 0xFFFFFF, 0xFFFFFF, false));
    Field()->setFocus();
    const QImage marker = Control("shpFocus")->grab().toImage();
    int dots = 0; // the dotted frame along the left edge
    for (int y = 0; y < marker.height(); ++y) {
        dots += marker.pixel(0, y) != marker.pixel(2, marker.height() / 2);
    }
    EXPECT_GT(dots, marker.height() / 4);
}

TEST_F(Fixture, PresetKeysAndSquaresSelectTheirColours) {
    dialog->ShowDialog(0x404040, {}, false, nullptr, 1);
    EXPECT_EQ(std::tuple(Bar("scrollGray")->value(), Square(11)->toolTip()),
              std::tuple(64, QString("Gray 25% (abs 64)")));
    Bar("scrollGray")->setFocus(); // the dialog sees the keys first, whichever control has the focus
                                   // clang-format off
    for (auto [key, colour] : {std::pair('W', 0xFFFFFF), {'R', 0x0000FF}, {'G', 0x00FF00}, {'B', 0xFF0000}, {'D', 0},
             {'Y', 0x00FFFF}, {'C', 0xFFFF00}, {'M', 0xFF00FF}, {'0', 0xC0C0C0}, {'1', 0x808080}, {'2', 0x404040}, {'S', 0x404040}}) {
        // clang-format on
        for (char c : {key, static_cast<char>(std::tolower(key))}) {
            Char('x');                       // no preset key
            Key(Qt::Key_R, Qt::AltModifier); // nor with Alt
            Char(c);
            EXPECT_EQ(dialog->SelectedColor(), colour) << c;
        }
    }
    QTest::mouseClick(Square(9), Qt::LeftButton); // grey 128: the bars follow
    EXPECT_EQ(std::tuple(Bar("scrollSat")->value(), Control<QLineEdit>("txtBright")->text()),
              std::tuple(1000, QString("50.2")));
    QSignalSpy changed(dialog.get(), &frmHSVTintrix::ColorChanged);
    const auto square = [this](int i, int x) { return Square(i)->mapTo(dialog.get(), QPoint(x, 12)); };
    QTest::mouseDClick(dialog->windowHandle(), Qt::LeftButton, {}, square(5, 12)); // selects once
    QTest::mousePress(dialog->windowHandle(), Qt::LeftButton, {}, square(2, 12));
    QTest::mouseRelease(dialog->windowHandle(), Qt::LeftButton, {},
                        square(2, 40)); // released elsewhere: no click
    EXPECT_EQ(std::tuple(changed.count(), dialog->SelectedColor()), std::tuple(1, 0x00FFFF));
    for (auto [level, caption, tip] : {std::tuple(0, 0xFFFFFF, "Gray 0% (abs 0)"),
                                       {128, 0xFFFFFF, "Gray 50% (abs 128)"},
                                       {129, 0, "Gray 51% (abs 129)"}}) {
        Bar("scrollGray")->setValue(level);
        EXPECT_EQ(std::tuple(dialog->SelectedColor(),
                             QtColor::FromQColor(Square(11)->palette().color(QPalette::WindowText)),
                             Square(11)->toolTip()),
                  std::tuple(level * 0x010101, caption, tip));
    }
    Char('b');
    EXPECT_EQ(Bar("scrollGray")->value(), 129); // stays where it is
}

TEST_F(Fixture, OneShotBarsOnlyPreviewAndTheFirstSelectionCloses) {
    QSignalSpy changed(dialog.get(), &frmHSVTintrix::ColorChanged);
    EXPECT_FALSE(Show(
        0,
        [&] {
            SetBarPosition(*Bar("scrollSat"), 500);
            SetBarPosition(*Bar("scrollBright"), 600);
            Bar("scrollGray")->setValue(10);
            EXPECT_EQ(std::tuple(changed.count(), Values(), FieldColor(0),
                                 Square(11)->palette().color(QPalette::Window)),
                      std::tuple(0, "255 0 0 0 100 100", 0x4C4C99, QColor(10, 10, 10)));
            ClickRow(240); // it closes from the timer
        },
        true));
    EXPECT_EQ(std::tuple(changed.count(), dialog->SelectedColor()), std::tuple(1, 0x994C4C));
    dialog = std::make_unique<frmHSVTintrix>(services);
    Show(1, {}, true);
    ClickRow(100);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier); // before the timer fires
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(dialog->windowHandle(), &press);
    QApplication::sendEvent(dialog->windowHandle(), &release);
    EXPECT_EQ(std::tuple(dialog->Cancelled(), Control<QTimer>("Timer")->isActive()), std::tuple(true, false));
}

TEST_F(Fixture, PlacesItselfByPositionAndKeepsOnTheScreenOfItsParent) {
    const QSize screen{1280, 1024};
    const QRect parent(300, 100, 400, 300);
    // clang-format off
    const std::tuple<QSize, QRect, std::int32_t, std::int32_t, std::int32_t, QPoint> table[] = {
        {{1278, 1024}, {}, 0, kNone, kNone, {482, 327}}, {screen, {300, 200, 400, 300}, 1, kNone, kNone, {344, 165}},
        {screen, {400, 100, 400, 300}, 2, kNone, kNone, {87, 100}}, {screen, {0, 100, 400, 300}, 2, kNone, kNone, {0, 100}},
        {screen, {880, 100, 400, 300}, 3, kNone, kNone, {967, 100}}, {screen, {300, 900, 400, 100}, 3, kNone, kNone, {700, 654}},
        {screen, parent, 4, 10, 20, {310, 120}}, {screen, parent, 4, 10, kNone, {484, 327}}, {screen, {}, 5, 100, 50, {100, 50}},
        {screen, {}, 5, 5000, -70, {967, 0}}, {screen, {}, 3, kNone, kNone, {484, 327}}, {screen, parent, 7, kNone, kNone, {0, 0}},
        {{200, 300}, {}, 0, kNone, kNone, {0, 0}}};
    // clang-format on
    for (const auto& [size, rect, position, left, top, at] : table) {
        metrics.screens = {QRect(QPoint(), size)};
        QWidget owner;
        owner.setGeometry(rect);
        dialog = std::make_unique<frmHSVTintrix>(services);
        dialog->ShowDialog(kRed, {}, false, rect.isNull() ? nullptr : &owner, 9, position, false, true, left,
                           top);
        EXPECT_EQ(dialog->pos(), at) << "position " << position;
    }
    // Two monitors side by side: placed and kept on the one that holds the parent's centre.
    metrics.screens = {QRect(0, 0, 1280, 1024), QRect(1280, 0, 1280, 1024)};
    QWidget owner;
    for (auto [rect, position, at] : {std::tuple(QRect(1700, 100, 700, 300), 3, QPoint(2247, 100)), // not 967
                                      {QRect(1700, 100, 700, 300), 0, QPoint(1764, 327)},
                                      {QRect(1100, 100, 400, 300), 2, QPoint(1280, 100)}}) { // centre 1300
        owner.setGeometry(rect);
        dialog = std::make_unique<frmHSVTintrix>(services);
        dialog->ShowDialog(kRed, {}, false, &owner, 9, position);
        EXPECT_EQ(dialog->pos(), at) << "position " << position;
    }
    // The swatch fills the panel below the grey bar (600, 3180, 1632, 240 twips) and a 5-pixel gap.
    // clang-format off
    for (auto [twips, buttons, client, panel, swatch] : {std::tuple(15.0, true, QSize(313, 391), 360, QRect(40, 233, 109, 127)),
             {12.0, true, QSize(387, 396), 360, QRect(50, 290, 136, 70)}, {10.0, false, QSize(461, 407), 397, QRect(60, 347, 163, 50)}}) {
        // clang-format on
        metrics.twipsPerPixelX = metrics.twipsPerPixelY = twips;
        dialog = std::make_unique<frmHSVTintrix>(services);
        dialog->ShowDialog(kRed, {}, false, nullptr, 3, 0, false, !buttons);
        const int W = (client.width() - 15) / 2;
        EXPECT_EQ(std::tuple(dialog->size(), Field()->geometry(), Control("picGUI")->geometry(),
                             Control("lblSelectColor")->geometry()),
                  std::tuple(client, QRect(5, 5, W, 360), QRect(W + 10, 5, W, panel), swatch));
    }
}

TEST_F(Fixture, FollowsItsParentInMode2AndTakesTheFocusToTheFieldOnActivation) {
    QWidget parent;
    parent.show();
    QSignalSpy unloading(dialog.get(), &frmHSVTintrix::Unloading);
    EXPECT_FALSE(dialog->ShowDialog(kRed, {}, true, &parent, 2, 3));
    parent.setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(dialog->isVisible());
    parent.setWindowState(Qt::WindowNoState);
    EXPECT_EQ(std::tuple(dialog->parentWidget(), dialog->isVisible(), dialog->isMinimized()),
              std::tuple(nullptr, true, false));
    Bar("scrollBright")->setFocus();
    QWidget other;
    other.show();
    other.activateWindow();
    QCoreApplication::processEvents();
    dialog->activateWindow();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), Field());
    parent.close(); // closes the dialog first
    EXPECT_EQ(std::tuple(dialog->isVisible(), dialog->Cancelled(), unloading.count()),
              std::tuple(false, true, 1));
    for (auto [useParent, mode] : {std::pair(true, 1), {false, 2}}) { // owned; only placed
        QWidget owner;
        owner.show();
        dialog = std::make_unique<frmHSVTintrix>(services);
        dialog->ShowDialog(kRed, {}, useParent, &owner, mode, 3);
        owner.setWindowState(Qt::WindowMinimized);
        EXPECT_EQ(std::tuple(dialog->parentWidget(), dialog->isVisible()),
                  std::tuple(useParent ? &owner : nullptr, true));
        dialog.reset(); // before the owner, as a caller holding the dialog does
    }
}

} // namespace
