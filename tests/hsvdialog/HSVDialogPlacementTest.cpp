// Where the dialog opens, how it follows its parent in Mode 2, and the focus on activation.
#include "HSVDialogFixture.h"
#include "support/ByName.h"

#include <QCloseEvent>
#include <optional>

namespace {

using Fixture = HSVDialogFixture;
constexpr std::int32_t kNone = frmHSVTintrix::NoPosition;

struct Placement {
    const char* name;
    QSize screen;
    std::optional<QRect> parent;
    std::int32_t position;
    std::int32_t leftPos;
    std::int32_t topPos;
    QPoint expected;
};

class Places : public Fixture, public testing::WithParamInterface<Placement> {};

// Placement is done before showing, so a hidden dialog (an unknown Mode) shows it exactly; the
// dialog's outer size is then 313 x 370.
TEST_P(Places, ByPositionAndKeepsOnTheScreen) {
    const Placement& row = GetParam();
    metrics.screens = {QRect(QPoint(), row.screen)};
    QWidget parent;
    if (row.parent) {
        parent.setGeometry(*row.parent);
    }
    dialog->ShowDialog(kRed, {}, false, row.parent ? &parent : nullptr, 9, row.position, false, true,
                       row.leftPos, row.topPos);
    EXPECT_EQ(dialog->pos(), row.expected);
}

const QSize kScreen{1280, 1024};
const Placement kPlacements[] = {
    {"CentredOnTheScreen", kScreen, std::nullopt, 0, kNone, kNone, {484, 327}},
    {"CentredHalvesGoToEven", {1278, 1024}, std::nullopt, 0, kNone, kNone, {482, 327}},
    {"CentredOnTheParent", kScreen, QRect(300, 200, 400, 300), 1, kNone, kNone, {344, 165}},
    {"LeftOfTheParent", kScreen, QRect(400, 100, 400, 300), 2, kNone, kNone, {87, 100}},
    {"LeftOfAParentAtTheLeftEdge", kScreen, QRect(0, 100, 400, 300), 2, kNone, kNone, {0, 100}},
    {"RightOfTheParent", kScreen, QRect(300, 100, 400, 300), 3, kNone, kNone, {700, 100}},
    {"RightOfAParentAtTheRightEdge", kScreen, QRect(880, 100, 400, 300), 3, kNone, kNone, {967, 100}},
    {"RightOfAParentNearTheBottom", kScreen, QRect(300, 900, 400, 100), 3, kNone, kNone, {700, 654}},
    {"OffsetFromTheParent", kScreen, QRect(300, 100, 400, 300), 4, 10, 20, {310, 120}},
    {"OffsetWithOnlyLeftPos", kScreen, QRect(300, 100, 400, 300), 4, 10, kNone, {484, 327}},
    {"ScreenPixelsWithoutParent", kScreen, std::nullopt, 5, 100, 50, {100, 50}},
    {"ScreenPixelsWithOnlyTopPos", kScreen, std::nullopt, 5, kNone, 50, {484, 327}},
    {"ScreenPixelsBeyondTheScreen", kScreen, std::nullopt, 5, 5000, -70, {967, 0}},
    {"ParentPositionsWithoutParentCentre", kScreen, std::nullopt, 3, kNone, kNone, {484, 327}},
    {"Position7WithParent", kScreen, QRect(300, 100, 400, 300), 7, kNone, kNone, {0, 0}},
    {"Position7WithoutParent", kScreen, std::nullopt, 7, kNone, kNone, {484, 327}},
    {"LargerThanTheScreen", {200, 300}, std::nullopt, 0, kNone, kNone, {0, 0}},
};
INSTANTIATE_TEST_SUITE_P(HSVDialog, Places, testing::ValuesIn(kPlacements), ByName());

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

TEST_F(Fixture, FollowsAMinimisedAndRestoredParentInMode2) {
    ClosingParent parent;
    parent.watched = dialog.get();
    parent.setGeometry(100, 100, 300, 200);
    parent.show();
    QSignalSpy unloading(dialog.get(), &frmHSVTintrix::Unloading);
    EXPECT_FALSE(dialog->ShowDialog(kRed, {}, true, &parent, 2, 3));
    EXPECT_EQ(dialog->parentWidget(), nullptr); // followed, not owned
    const QPoint placed = dialog->pos();

    parent.setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(dialog->isMinimized());

    parent.setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isMinimized());

    parent.resize(500, 400); // resizing neither moves nor resizes it
    EXPECT_EQ(dialog->pos(), placed);
    EXPECT_EQ(dialog->size(), QSize(313, 370));

    parent.close();
    EXPECT_EQ(parent.watchedVisibleOnClose, std::optional<bool>(false)); // closed first
    EXPECT_TRUE(dialog->Cancelled());
    EXPECT_EQ(unloading.count(), 1);
}

TEST_F(Fixture, StopsFollowingTheParentOnceClosed) {
    QWidget parent;
    parent.show();
    dialog->ShowDialog(kRed, {}, true, &parent, 2);
    Key(Qt::Key_Return);
    EXPECT_FALSE(dialog->Cancelled());
    parent.setWindowState(Qt::WindowMinimized);
    parent.setWindowState(Qt::WindowNoState);
    EXPECT_FALSE(dialog->isVisible());
    parent.close();
    EXPECT_FALSE(dialog->Cancelled());
}

TEST_F(Fixture, AFollowedParentDeletedWithoutClosingEndsTheDialogAsCancelled) {
    auto parent = std::make_unique<QWidget>();
    parent->show();
    QSignalSpy unloading(dialog.get(), &frmHSVTintrix::Unloading);
    dialog->ShowDialog(kRed, {}, true, parent.get(), 2);
    parent.reset();
    EXPECT_TRUE(dialog->Cancelled());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(unloading.count(), 1);
}

TEST_F(Fixture, GivesTheHueFieldTheFocusWheneverItIsActivated) {
    Open(kRed);
    EXPECT_TRUE(dialog->isActiveWindow());
    EXPECT_EQ(QApplication::focusWidget(), Field());
    Bar("scrollBright")->setFocus();

    QWidget other;
    other.show();
    other.activateWindow();
    QCoreApplication::processEvents();
    ASSERT_FALSE(dialog->isActiveWindow());

    dialog->activateWindow();
    QCoreApplication::processEvents();
    ASSERT_TRUE(dialog->isActiveWindow());
    EXPECT_EQ(QApplication::focusWidget(), Field());
    EXPECT_TRUE(Control<QWidget>("shpFocus")->isVisible());
}

} // namespace
