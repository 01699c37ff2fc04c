// With two monitors side by side, the dialog is placed and kept on the one that holds the centre
// of its parent (the primary one without a parent). The dialog's outer size is 313 x 370.
#include "HSVDialogFixture.h"
#include "support/QtPrinters.h"

namespace {

TEST_F(HSVDialogFixture, StaysOnTheMonitorOfItsParent) {
    metrics.screens = {QRect(0, 0, 1280, 1024), QRect(1280, 0, 1280, 1024)};
    QWidget parent;
    parent.setGeometry(1700, 100, 700, 300);
    const auto placed = [&](std::int32_t position) {
        frmHSVTintrix hsv(services);
        hsv.ShowDialog(kRed, {}, false, &parent, 9, position);
        return hsv.pos();
    };
    EXPECT_EQ(placed(3), QPoint(2247, 100)); // 2560 - 313: at the right monitor's edge, not at 967
    EXPECT_EQ(placed(0), QPoint(1764, 327)); // centred on the right monitor: 1280 + 484
    parent.setGeometry(1100, 100, 400, 300); // its centre, 1300, on the right monitor too
    EXPECT_EQ(placed(2), QPoint(1280, 100)); // not left of the monitor's edge
}

} // namespace
