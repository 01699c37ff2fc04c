// The HSV dialog as a user and a caller meet it: how it opens, is placed, chooses and ends.
#include "HSVDialogFixture.h"
#include "common/ComponentError.h"

#include <optional>

namespace {

using Fixture = HSVDialogFixture;
constexpr std::int32_t kNone = frmHSVTintrix::NoPosition;

TEST_F(Fixture, EndsModallyAsTheUserEndsIt) {
    const struct {
        const char* name;
        bool buttons, oneShot;
        std::function<void(Fixture&)> act;
        bool cancelled;
    } endings[] = {
        {"OkButton", true, false,
         [](Fixture& f) { QTest::mouseClick(f.Control<QPushButton>("cmdOk"), Qt::LeftButton); }, false},
        {"EnterReleased", false, false,
         [](Fixture& f) {
             QTest::keyPress(f.Window(), Qt::Key_Return);
             EXPECT_TRUE(f.dialog->isVisible());
             QTest::keyRelease(f.Window(), Qt::Key_Return);
         },
         false},
        {"EnterWithButtons", true, false, [](Fixture& f) { f.Key(Qt::Key_Enter, Qt::KeypadModifier); },
         false},
        {"SwatchDoubleClick", false, false,
         [](Fixture& f) { QTest::mouseDClick(f.Swatch(), Qt::LeftButton); }, false},
        {"OneShotPreset", false, true, [](Fixture& f) { f.Char('c'); }, false},
        {"CancelButton", true, false,
         [](Fixture& f) { QTest::mouseClick(f.Control<QPushButton>("cmdCancel"), Qt::LeftButton); }, true},
        {"ReleasesOfKeysPressedElsewhereThenEscape", false, false,
         [](Fixture& f) {
             QTest::keyRelease(f.Window(), Qt::Key_Return);
             QTest::keyRelease(f.Window(), Qt::Key_Escape);
             EXPECT_TRUE(f.dialog->isVisible());
             f.Key(Qt::Key_Escape);
         },
         true},
        {"EscapeWithButtons", true, false, [](Fixture& f) { f.Key(Qt::Key_Escape); }, true},
        {"CloseButton", false, false, [](Fixture& f) { f.dialog->close(); }, true}};
    for (const auto& e : endings) {
        dialog = std::make_unique<frmHSVTintrix>(services);
        QSignalSpy unloading(dialog.get(), &frmHSVTintrix::Unloading);
        EXPECT_EQ(ShowModal([&] { e.act(*this); }, e.oneShot, !e.buttons), e.cancelled) << e.name;
        EXPECT_EQ(dialog->Cancelled(), e.cancelled) << e.name;
        EXPECT_EQ(unloading.count(), 0) << e.name; // never in the modal mode
    }
    EXPECT_EQ(dialog->SelectedColor(), kRed);
}

TEST_F(Fixture, OpensAsTheCallerAsksAndReportsEveryChange) {
    QSignalSpy changed(dialog.get(), &frmHSVTintrix::ColorChanged);
    EXPECT_FALSE(ShowModal([&] {
        EXPECT_EQ(dialog->windowTitle(), "Select color");
        EXPECT_EQ(dialog->parentWidget(), nullptr);
        EXPECT_FALSE(Control("cmdOk")->isVisible());
        EXPECT_EQ(dialog->size(), QSize(313, 370));
        EXPECT_EQ(dialog->frameGeometry().topLeft(), QPoint(484, 327)); // 483.5 goes to the even 484
        EXPECT_EQ(changed.count(), 0);                                  // opening reports nothing
        ClickRow(100);
        EXPECT_EQ(Values(), "85 255 0 100 100 100");
        EXPECT_EQ(BackColor(*Swatch()), 0x0000FF55);
        Char('b');
        Char('b'); // the same colour again is reported again
        Key(Qt::Key_Return);
    }));
    ASSERT_EQ(changed.count(), 3);
    EXPECT_EQ(changed.at(0).at(0).value<OLE_COLOR>(), 0x0000FF55);
    EXPECT_EQ(changed.at(2).at(0).value<OLE_COLOR>(), 0x00FF0000);
    EXPECT_EQ(dialog->SelectedColor(), 0x00FF0000);
    EXPECT_EQ(dialog->OriginalColor(), kRed);
    EXPECT_FALSE(dialog->ShowDialog(kRed, {}, false, nullptr, 1)); // one object serves one showing
    EXPECT_FALSE(dialog->isVisible());
    dialog = std::make_unique<frmHSVTintrix>(services);
    dialog->ShowDialog(OleColor::SystemColor(15), "Pick", false, nullptr, 3, 0, true, false);
    EXPECT_EQ(dialog->windowTitle(), "Pick");
    EXPECT_EQ(dialog->OriginalColor(), OleColor::SystemColor(15));
    EXPECT_EQ(dialog->SelectedColor(), OleColor::Rgb(212, 208, 200));
    EXPECT_FALSE(dialog->isVisible() ||
                 Control("cmdOk")->isVisible()); // mode 3 builds only; OneShot hides the buttons
    EXPECT_EQ(Swatch()->toolTip(), "Currently selected color. Double click or hit <Enter> to close, hit "
                                   "<Escape> or the X button to cancel.");
    dialog = std::make_unique<frmHSVTintrix>(services);
    EXPECT_THROW(dialog->ShowDialog(OleColor::FromBits(0x7F000000), {}, false, nullptr, 1), ComponentError);
}

TEST_F(Fixture, TheHueFieldTheBarsAndTheirKeysMoveTheColour) {
    Open(kRed);
    const struct {
        int start;
        Qt::Key key;
        int hue;
    } keys[] = {{100, Qt::Key_Up, 99},     {0, Qt::Key_Up, 0},     {359, Qt::Key_Down, 359},
                {100, Qt::Key_PageUp, 90}, {5, Qt::Key_PageUp, 0}, {355, Qt::Key_PageDown, 359},
                {200, Qt::Key_Home, 0},    {10, Qt::Key_End, 359}, {100, Qt::Key_Left, 100}};
    for (const auto& k : keys) {
        ClickRow(k.start);
        Key(k.key);
        EXPECT_EQ(Control<QLineEdit>("txtHue")->text().toInt(), k.hue) << k.start << " " << k.key;
    }
    QTest::mousePress(Window(), Qt::LeftButton, {}, Field()->mapTo(dialog.get(), QPoint(10, 50)));
    QTest::mouseMove(Window(), Field()->mapTo(dialog.get(), QPoint(10, -4))); // above the field
    EXPECT_EQ(Control<QLineEdit>("txtHue")->text(), "0");
    QTest::mouseMove(Window(), Field()->mapTo(dialog.get(), QPoint(10, 600))); // below the window
    QTest::mouseRelease(Window(), Qt::LeftButton, {}, Field()->mapTo(dialog.get(), QPoint(10, 600)));
    EXPECT_EQ(Control<QLineEdit>("txtHue")->text(), "359");
    QTest::mouseClick(Field(), Qt::RightButton, {}, QPoint(10, 240));
    QSignalSpy changed(dialog.get(), &frmHSVTintrix::ColorChanged);
    SetBarPosition(*Bar("scrollSat"), 333);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(Values(), "170 170 255 240 33.3 100");
    EXPECT_EQ(FieldColor(0), 0xAAAAFF); // each row its hue at the bars' saturation and value
    EXPECT_EQ(FieldColor(359), OleColor::Rgb(255, 170, 172));
    Bar("scrollBright")->setFocus();
    Key(Qt::Key_Down);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(Values(), "151 151 227 240 33.3 89");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    SetBarPosition(*Bar("scrollBright"), 125);
    EXPECT_EQ(Control<QLineEdit>("txtBright")->text(), "12,5");
    Char('w'); // white: the saturation bar at the bottom, the value bar at the top, the field white
    EXPECT_EQ(Bar("scrollSat")->value(), Bar("scrollSat")->maximum());
    EXPECT_EQ(Bar("scrollBright")->value(), Bar("scrollBright")->minimum());
    EXPECT_EQ(FieldColor(0), 0xFFFFFF);
    EXPECT_EQ(FieldColor(359), 0xFFFFFF);
    EXPECT_EQ(Control("shpFocus")->isVisible(), false); // the bar has the focus
    Field()->setFocus();
    EXPECT_TRUE(Control("shpFocus")->isVisible());
}

TEST_F(Fixture, PresetKeysAndSquaresSelectTheirColours) {
    Open(0x00404040);
    EXPECT_EQ(Bar("scrollGray")->value(), 64);
    EXPECT_EQ(Square(11)->toolTip(), "Gray 25% (abs 64)");
    Bar("scrollGray")->setFocus(); // the dialog sees the keys first, whichever control has the focus
    const std::pair<char, OLE_COLOR> keys[] = {
        {'W', 0xFFFFFF}, {'R', 0x0000FF}, {'G', 0x00FF00}, {'B', 0xFF0000}, {'D', 0x000000}, {'Y', 0x00FFFF},
        {'C', 0xFFFF00}, {'M', 0xFF00FF}, {'0', 0xC0C0C0}, {'1', 0x808080}, {'2', 0x404040}, {'S', 0x404040}};
    for (const auto& [key, color] : keys) {
        for (char c : {key, static_cast<char>(std::tolower(key))}) {
            Char('x');                       // no preset key
            Key(Qt::Key_R, Qt::AltModifier); // nor with Alt
            Char(c);
            EXPECT_EQ(dialog->SelectedColor(), color) << c;
        }
    }
    QTest::mouseClick(Square(9), Qt::LeftButton); // grey 128: the bars follow
    EXPECT_EQ(BarPosition(*Bar("scrollSat")), 0);
    EXPECT_EQ(Control<QLineEdit>("txtBright")->text(), "50.2");
    QSignalSpy changed(dialog.get(), &frmHSVTintrix::ColorChanged);
    QTest::mouseDClick(Window(), Qt::LeftButton, {}, Square(5)->mapTo(dialog.get(), QPoint(12, 12)));
    QTest::mousePress(Window(), Qt::LeftButton, {}, Square(2)->mapTo(dialog.get(), QPoint(12, 12)));
    QTest::mouseRelease(Window(), Qt::LeftButton, {}, Square(2)->mapTo(dialog.get(), QPoint(40, 12)));
    EXPECT_EQ(changed.count(), 1); // the double click selects once, a press released elsewhere not at all
    EXPECT_EQ(dialog->SelectedColor(), 0x00FFFF);
    const struct {
        int level;
        OLE_COLOR caption;
        const char* tip;
    } greys[] = {{0, 0xFFFFFF, "Gray 0% (abs 0)"},
                 {128, 0xFFFFFF, "Gray 50% (abs 128)"},
                 {129, 0, "Gray 51% (abs 129)"}};
    for (const auto& g : greys) {
        Bar("scrollGray")->setValue(g.level);
        EXPECT_EQ(dialog->SelectedColor(), OleColor::Rgb(g.level, g.level, g.level));
        EXPECT_EQ(QtColor::FromQColor(Square(11)->palette().color(Square(11)->foregroundRole())), g.caption);
        EXPECT_EQ(Square(11)->toolTip(), g.tip);
    }
    Char('b');
    EXPECT_EQ(Bar("scrollGray")->value(), 129); // stays where it is
    Field()->setFocus();
    const QImage marker = Control("shpFocus")->grab().toImage();
    int dots = 0; // the dotted frame runs along the left edge
    for (int y = 0; y < marker.height(); ++y) {
        dots += marker.pixel(0, y) != marker.pixel(2, marker.height() / 2);
    }
    EXPECT_GT(dots, marker.height() / 4);
}

TEST_F(Fixture, OneShotBarsOnlyPreviewAndTheFirstSelectionCloses) {
    QSignalSpy changed(dialog.get(), &frmHSVTintrix::ColorChanged);
    EXPECT_FALSE(ShowModal(
        [&] {
            SetBarPosition(*Bar("scrollSat"), 500);
            SetBarPosition(*Bar("scrollBright"), 600);
            Bar("scrollGray")->setValue(10);
            EXPECT_EQ(changed.count(), 0);
            EXPECT_EQ(Values(), "255 0 0 0 100 100");
            EXPECT_EQ(FieldColor(0), 0x4C4C99);
            EXPECT_EQ(BackColor(*Square(11)), 0x0A0A0A);
            ClickRow(240);
            EXPECT_TRUE(dialog->isVisible()); // it closes from the timer
        },
        true));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(dialog->SelectedColor(), 0x994C4C);
    dialog = std::make_unique<frmHSVTintrix>(services);
    Open(kRed, true);
    ClickRow(100);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier); // before the timer fires
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(Window(), &press);
    QApplication::sendEvent(Window(), &release);
    EXPECT_TRUE(dialog->Cancelled());
    EXPECT_FALSE(Control<QTimer>("Timer")->isActive());
}

TEST_F(Fixture, PlacesItselfByPositionAndKeepsOnTheScreen) {
    const QSize screen{1280, 1024};
    const struct {
        QSize screen;
        std::optional<QRect> parent;
        std::int32_t position, left, top;
        QPoint at;
    } table[] = {{{1278, 1024}, std::nullopt, 0, kNone, kNone, {482, 327}},
                 {screen, QRect(300, 200, 400, 300), 1, kNone, kNone, {344, 165}},
                 {screen, QRect(400, 100, 400, 300), 2, kNone, kNone, {87, 100}},
                 {screen, QRect(0, 100, 400, 300), 2, kNone, kNone, {0, 100}},
                 {screen, QRect(880, 100, 400, 300), 3, kNone, kNone, {967, 100}},
                 {screen, QRect(300, 900, 400, 100), 3, kNone, kNone, {700, 654}},
                 {screen, QRect(300, 100, 400, 300), 4, 10, 20, {310, 120}},
                 {screen, QRect(300, 100, 400, 300), 4, 10, kNone, {484, 327}},
                 {screen, std::nullopt, 5, 100, 50, {100, 50}},
                 {screen, std::nullopt, 5, 5000, -70, {967, 0}},
                 {screen, std::nullopt, 3, kNone, kNone, {484, 327}},
                 {screen, QRect(300, 100, 400, 300), 7, kNone, kNone, {0, 0}},
                 {{200, 300}, std::nullopt, 0, kNone, kNone, {0, 0}}};
    for (const auto& p : table) {
        metrics.screenSize = p.screen;
        QWidget parent;
        parent.setGeometry(p.parent.value_or(QRect()));
        dialog = std::make_unique<frmHSVTintrix>(services);
        dialog->ShowDialog(kRed, {}, false, p.parent ? &parent : nullptr, 9, p.position, false, true, p.left,
                           p.top);
        EXPECT_EQ(dialog->pos(), p.at) << "position " << p.position;
    }
    const struct {
        double twips;
        bool buttons;
        QSize client;
        int panel;
    } layouts[] = {{15, true, {313, 391}, 360}, {12, true, {387, 396}, 360}, {10, false, {461, 407}, 397}};
    for (const auto& l : layouts) {
        metrics.twipsPerPixelX = metrics.twipsPerPixelY = l.twips;
        dialog = std::make_unique<frmHSVTintrix>(services);
        dialog->ShowDialog(kRed, {}, false, nullptr, 3, 0, false, !l.buttons);
        const int W = (l.client.width() - 15) / 2;
        EXPECT_EQ(dialog->size(), l.client) << l.twips;
        EXPECT_EQ(Field()->geometry(), QRect(5, 5, W, 360)) << l.twips;
        EXPECT_EQ(Control("picGUI")->geometry(), QRect(W + 10, 5, W, l.panel)) << l.twips;
    }
}

// Records whether the dialog was still open when the close reached the parent itself.
class ClosingParent : public QWidget {
public:
    const QWidget* watched = nullptr;
    std::optional<bool> watchedVisibleOnClose;

protected:
    void closeEvent(QCloseEvent* event) override {
        watchedVisibleOnClose = watched->isVisible();
        event->accept();
    }
};

TEST_F(Fixture, FollowsItsParentInMode2AndTakesTheFocusToTheFieldOnActivation) {
    ClosingParent parent;
    parent.watched = dialog.get();
    parent.setGeometry(100, 100, 300, 200);
    parent.show();
    QSignalSpy unloading(dialog.get(), &frmHSVTintrix::Unloading);
    EXPECT_FALSE(dialog->ShowDialog(kRed, {}, true, &parent, 2, 3));
    EXPECT_EQ(dialog->parentWidget(), nullptr); // followed, not owned
    parent.setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(dialog->isVisible());
    parent.setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(dialog->isVisible() && !dialog->isMinimized());
    Bar("scrollBright")->setFocus();
    QWidget other;
    other.show();
    other.activateWindow();
    QCoreApplication::processEvents();
    dialog->activateWindow();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), Field());
    parent.close();
    EXPECT_EQ(parent.watchedVisibleOnClose, std::optional<bool>(false)); // closed first
    EXPECT_TRUE(dialog->Cancelled());
    EXPECT_EQ(unloading.count(), 1);
    // Mode 1 with UseParent: owned; mode 2 without: the parent only places it.
    for (const auto& [useParent, mode] : {std::pair{true, 1}, std::pair{false, 2}}) {
        dialog = std::make_unique<frmHSVTintrix>(services);
        QWidget owner;
        owner.show();
        dialog->ShowDialog(kRed, {}, useParent, &owner, mode, 3);
        EXPECT_EQ(dialog->parentWidget(), useParent ? &owner : nullptr);
        owner.setWindowState(Qt::WindowMinimized);
        EXPECT_EQ(dialog->isVisible(), !useParent || mode != 2);
        dialog.reset(); // before the owner, as a caller holding the dialog does
    }
}

} // namespace
