#include "MainDialogFixture.h"

namespace {

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
    // 442 designed pixels less the pad (123) and its gap (5).
    EXPECT_EQ(dialog->size(), QSize(751, 314));
}

TEST_F(MainDialogTest, TabVisitsTheControlsInTheirOrder) {
    Open();
    Get("cboSelect")->setFocus();
    const QStringList expected =
        QString("cmdSelect cmdSelectSpecial cmdCopy chkPick cmdSetFromRGB txtBaseColorRGB cmdSetFromHSB "
                "txtBaseColorHSV cmdDim txtDimFactor "
                "chkITU chkHSVImmediate txtDimmedColorValue txtContrastColorValue txtBaseColorValue "
                "lstEquivalent cboContrastColorMode txtMask chkScratchPad cboSelect")
            .split(' ');
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
    const auto press = [this](const char* button, Qt::Key key) {
        QSignalSpy clicked(Get<QAbstractButton>(button), &QAbstractButton::clicked);
        QTest::keyClick(dialog.get(), key, Qt::AltModifier);
        EXPECT_TRUE(clicked.count() == 1 || clicked.wait()) << button;
    };
    Box("txtDimFactor")->setText("0.7");
    press("cmdDim", Qt::Key_D);
    EXPECT_EQ(Text("txtDimFactor"), "0.5");
    press("cmdCopy", Qt::Key_C);
    EXPECT_EQ(clipboard.texts.size(), 1);
    Box("txtBaseColorRGB")->setText("&H0000FF #FED98B RGB(254, 217, 139)");
    press("cmdSetFromRGB", Qt::Key_R);
    EXPECT_EQ(dialog->BaseColor(), 0x0000FF);
    Box("txtBaseColorHSV")->setText("HSV(120, 1.0000, 1.0000)");
    press("cmdSetFromHSB", Qt::Key_H);
    EXPECT_EQ(dialog->BaseColor(), 0x00FF00);
    press("chkPick", Qt::Key_I);
    EXPECT_TRUE(Get<QAbstractButton>("chkPick")->isChecked());
}

TEST_F(MainDialogTest, EscapeDoesNotCloseTheDialog) {
    Open();
    QTest::keyClick(Get("cboSelect"), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
}

} // namespace
