// The real dialogs on a real X server of 1024 x 768 pixels: without a window manager, under
// openbox and under one of wide frames that never moves a window itself (the ".openbox" and
// ".framing" runs), and under openbox on two such monitors side by side (".TwoMonitors").
#include "hsvdialog/frmHSVTintrix.h"
#include "maindialog/frmTintrix.h"
#include "support/QtPrinters.h"

#include <QtTest>
#include <QtWidgets>
#include <optional>

namespace {

// The HSV dialog beside the main dialog (Position 3, as "HSV selector" opens it), by outer frames:
// a main dialog put at the top left has room to its right; one that Qt centres, or one 300 pixels
// into the last monitor, has none, and the dialog ends at the right edge of the parent's monitor.
TEST(WindowManagers, TheHSVDialogTouchesTheMainDialogTopsAlignedOrEndsAtItsMonitorsRightEdge) {
    QTemporaryDir folder;
    ASSERT_EQ(QGuiApplication::screens().size(), qEnvironmentVariable("TINTRIX_TEST_MONITORS", "1").toInt());
    const QPoint last = QGuiApplication::screens().last()->geometry().topLeft();
    const std::optional<QPoint> places[] = {QPoint(20, 40), std::nullopt, last + QPoint(300, 40)};
    for (const std::optional<QPoint>& at : places) {
        frmTintrix main;
        if (at) {
            main.move(*at);
        }
        main.ShowDialog(0x8BD9FE, false, folder.filePath("UserDefinedColors.txt"), "USER_", nullptr);
        frmHSVTintrix hsv;
        hsv.ShowDialog(0x8BD9FE, "Select HSV color", true, &main, 1, 3);
        const bool atTheLeft = at == QPoint(20, 40);
        const auto placed = [&] { // under a window manager, once it has framed both windows
            const QRect parent = main.windowHandle()->frameGeometry();
            const QRect dialog = hsv.windowHandle()->frameGeometry();
            const QRect monitor = QGuiApplication::screenAt(parent.center())->geometry();
            return (qEnvironmentVariableIsEmpty("TINTRIX_TEST_WM") ||
                    (parent != main.geometry() && dialog != hsv.geometry())) &&
                   dialog.top() == parent.top() &&
                   (atTheLeft ? parent.topLeft() == QPoint(20, 40) && dialog.left() == parent.right() + 1
                              : dialog.right() == monitor.right());
        };
        EXPECT_TRUE(QTest::qWaitFor(placed)) << testing::PrintToString(hsv.windowHandle()->frameGeometry());
    }
}

// Text pasted with the middle mouse button (X11's primary selection) obeys the rules of typing:
// what a box would not take from the keyboard is left out, an Enter in it runs nothing, and the
// mask takes at most 8 characters.
TEST(WindowManagers, PastingTakesOnlyWhatTypingWouldAndTheContrastWindowOpensBelow) {
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
    // Once the dialog is framed, the contrast window opens with its frame just below the dialog's.
    const auto frame = [&main] { return main.windowHandle()->frameGeometry(); };
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return qEnvironmentVariableIsEmpty("TINTRIX_TEST_WM") || frame() != main.geometry(); }));
    main.findChild<QWidget*>("lblCol(5)")->actions().value(0)->trigger();
    const QWindow* contrast = main.findChild<QWidget*>("frmContrast")->windowHandle();
    const QPoint below = frame().bottomLeft() + QPoint(0, 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return contrast->frameGeometry().topLeft() == below; }))
        << testing::PrintToString(contrast->frameGeometry());
}

} // namespace
