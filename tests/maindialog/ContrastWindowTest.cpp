// The contrast window beside the main dialog: how it opens, its "&Copy" and the visions, that it
// follows a typed colour, a pick tick and the HSV dialog within the same event, and the ratios the
// main dialog's samples announce.
#include "MainDialogFixture.h"
#include "hsvdialog/frmHSVTintrix.h"

namespace {

// The window's "&Copy" at the start colour #FED98B, dimmed #FFEECA, contrast #0051FF.
const QStringList kStartText = {
    "Contrast (WCAG 2), Typical vision",
    "Base on dimmed  : #FED98B on #FFEECA   1.18:1  AA fail  AA large fail  AAA fail  AAA large fail  "
    "Non-text fail",
    "Base on contrast: #FED98B on #0051FF   4.28:1  AA fail  AA large pass  AAA fail  AAA large fail  "
    "Non-text pass",
    "Dimmed on base  : #FFEECA on #FED98B   1.18:1  AA fail  AA large fail  AAA fail  AAA large fail  "
    "Non-text fail",
    "Contrast on base: #0051FF on #FED98B   4.28:1  AA fail  AA large pass  AAA fail  AAA large fail  "
    "Non-text pass",
    "Base on white   : #FED98B on #FFFFFF   1.35:1  AA fail  AA large fail  AAA fail  AAA large fail  "
    "Non-text fail",
    "Base on black   : #FED98B on #000000  15.51:1  AA pass  AA large pass  AAA pass  AAA large pass  "
    "Non-text pass",
};

TEST_F(MainDialogTest, TheContrastWindowOpensOnceFromCtrlKOrAMenuAndFollowsEveryColour) {
    screen.SetPixels(QImage(64, 64, QImage::Format_ARGB32)); // to pick black from
    screen.pixels.fill(Qt::black);
    Open();
    for (auto [sample, ratio] : {std::pair(2, "1.18:1"), {3, "4.28:1"}, {4, "1.18:1"}, {5, "4.28:1"}}) {
        const QString description = Get(QString("lblCol(%1)").arg(sample))->accessibleDescription();
        EXPECT_TRUE(description.endsWith(QString(", contrast ") + ratio));
    }
    const auto window = [this] { return dialog->findChild<QDialog*>("frmContrast"); };
    const auto ratio = [&](int row) {
        return window()->findChild<QLabel*>(QString("lblRatio(%1)").arg(row))->text();
    };
    const auto copied = [&] {
        QTest::mouseClick(window()->findChild<QPushButton*>("cmdCopy"), Qt::LeftButton);
        return Copied();
    };
    EXPECT_EQ(window(), nullptr); // never opens by itself
    QTest::keyClick(dialog->windowHandle(), Qt::Key_K, Qt::ControlModifier);
    ASSERT_TRUE(window() && window()->isVisible());
    EXPECT_EQ(std::tuple(window()->windowTitle(), window()->isWindow(), window()->parentWidget()),
              std::tuple("Contrast", true, (QWidget*)dialog.get()));
    EXPECT_EQ(copied(), kStartText);
    Choose("cboVision", 1);
    EXPECT_EQ(copied().mid(0, 2),
              QStringList({"Contrast (WCAG 2), Protanopia",
                           "Base on dimmed  : #EBD885 on #F7EDC8   1.21:1  AA fail  AA large "
                           "fail  AAA fail  AAA large fail  Non-text fail"}));
    EXPECT_EQ(window()->findChild<QWidget*>("lblSample(0)")->grab().toImage().pixelColor(1, 1).name(),
              "#f7edc8"); // the sample in the colours seen
    Choose("cboVision", 0);

    QTest::keyClick(window()->windowHandle(), Qt::Key_Escape);
    EXPECT_FALSE(window()->isVisible());
    Get("lblCol(5)")->actions().value(0)->trigger();
    EXPECT_TRUE(window()->isVisible());
    window()->close();
    QLineEdit* box = Get<QLineEdit>("txtDimmedColorValue"); // its usual menu, then the entry
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(box, &click);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(std::tuple(menu->actions().first()->text(), menu->actions().last()->text()),
              std::tuple("&Copy\tCtrl+C", "Contrast ratios..."));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions().last()).center());
    EXPECT_TRUE(window()->isVisible());
    QTest::keyClick(dialog->windowHandle(), Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(dialog->findChildren<QDialog*>("frmContrast").size(), 1);

    Retype("txtBaseColorRGB", 2, 6, "FFFFFF"); // base white; dimmed and contrast stay
    EXPECT_EQ(ratio(4) + ratio(5), "1.00:121.00:1");
    screen.cursor = QPoint(32, 32);
    Click("chkPick");
    Tick(); // black
    EXPECT_EQ(ratio(4) + ratio(5), "21.00:11.00:1");
    Click("chkPick");
    DuringModalRun<frmHSVTintrix>(dialog.get(), [&](frmHSVTintrix& hsv) {
        QTest::keyClick(hsv.windowHandle(), 'r'); // the red preset, live
        EXPECT_EQ(ratio(4), "3.99:1");
        QTest::keyClick(hsv.windowHandle(), Qt::Key_Return);
    });
    Click("cmdSelectSpecial");
    dialog->close();
    EXPECT_FALSE(window()->isVisible());
}

} // namespace
