// The real dialogs on a real X server of 1024 x 768 pixels: without a window manager, under
// openbox and under one of wide frames that never moves a window itself (the ".openbox" and
// ".framing" runs).
#include "hsvdialog/frmHSVTintrix.h"
#include "maindialog/frmTintrix.h"
#include "support/QtPrinters.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// The HSV dialog beside the main dialog (Position 3, as "HSV selector" opens it), by outer frames:
// a main dialog put at the top left has room to its right; one that Qt centres has none.
TEST(WindowManagers, TheHSVDialogTouchesTheMainDialogTopsAlignedOrEndsAtTheScreensRightEdge) {
    QTemporaryDir folder;
    for (const bool atTheLeft : {true, false}) {
        frmTintrix main;
        if (atTheLeft) {
            main.move(20, 40);
        }
        main.ShowDialog(0x8BD9FE, false, folder.filePath("UserDefinedColors.txt"), "USER_", nullptr);
        frmHSVTintrix hsv;
        hsv.ShowDialog(0x8BD9FE, "Select HSV color", true, &main, 1, 3);
        const auto placed = [&] { // under a window manager, once it has framed both windows
            const QRect parent = main.windowHandle()->frameGeometry();
            const QRect dialog = hsv.windowHandle()->frameGeometry();
            return (qEnvironmentVariableIsEmpty("TINTRIX_TEST_WM") ||
                    (parent != main.geometry() && dialog != hsv.geometry())) &&
                   dialog.top() == parent.top() &&
                   (atTheLeft ? parent.topLeft() == QPoint(20, 40) && dialog.left() == parent.right() + 1
                              : dialog.right() == 1023);
        };
        EXPECT_TRUE(QTest::qWaitFor(placed)) << testing::PrintToString(hsv.windowHandle()->frameGeometry());
    }
}

// Text pasted with the middle mouse button (X11's primary selection) obeys the rules of typing:
// what a box would not take from the keyboard is left out, an Enter in it runs nothing, and the
// mask takes at most 8 characters.
TEST(WindowManagers, PastingTakesOnlyWhatTypingWouldAndRunsNoEnter) {
    QTemporaryDir folder;
    frmTintrix main;
    main.ShowDialog(0x8BD9FE, false, folder.filePath("UserDefinedColors.txt"), "USER_", nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    const auto pasted = [&](const char* name, const QString& selection) {
        auto* box = main.findChild<QLineEdit*>(name);
        QGuiApplication::clipboard()->setText(selection, QClipboard::Selection);
        QTest::mouseClick(box, Qt::MiddleButton, {}, QPoint(box->width() - 4, box->height() / 2));
        return box->text();
    };
    EXPECT_EQ(pasted("txtBaseColorRGB", "xyz(12,\r\n34)"), "&H8BD9FE #FED98B RGB(254, 217, 139)12,34");
    EXPECT_EQ(main.BaseColor(), 0x8BD9FE); // the Enter in it set no color
    EXPECT_EQ(pasted("txtDimFactor", "-x.5\n"), "0.2-.5");
    QTest::keyClicks(main.findChild<QLineEdit*>("txtMask"), "\b\b"); // "&HFFFF" leaves room for 2
    EXPECT_EQ(pasted("txtMask", "Fxyz(123456"), "&HFFFFF1");
}

} // namespace
