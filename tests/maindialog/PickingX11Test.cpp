// Picking end to end on a private X server with the real screen layer, also at
// QT_SCALE_FACTOR=2 (the ".Scale2" runs), where the view and the arrow keys must still work in
// physical pixels: windows of known colours, the real cursor, the access key and the dialog's
// own 10 ms timer.
#include "maindialog/MainDialogFixture.h"
#include "platform/QtScreen.h"
#include "platform/QtScreenMetrics.h"

namespace {

// A frameless window filled with Colour at Geometry (device-independent pixels), once the screen
// shows it as Screen reads it; null when it has not appeared within five seconds.
std::unique_ptr<QWidget> ShowColouredWindow(const QRect& Geometry, const QColor& Colour,
                                            const Platform::Screen& Screen) {
    auto window = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint);
    window->setPalette(QPalette(Colour));
    window->setAutoFillBackground(true);
    window->setGeometry(Geometry);
    window->show();
    const auto shown = [&] {
        const QImage pixel = Screen.Grab(QRect(Screen.WindowRect(*window).center(), QSize(1, 1)));
        return !pixel.isNull() && QColor(pixel.pixel(0, 0)) == Colour;
    };
    return QTest::qWaitFor(shown, 5000) ? std::move(window) : nullptr;
}

TEST(PickingOnX11, TakesThePixelUnderTheRealCursorOnePhysicalPixelAtATime) {
    Platform::QtScreen screen;
    EXPECT_EQ(screen.Desktop(), QRectF(0, 0, 1024, 768)); // the server's screen in physical pixels
    EXPECT_TRUE(screen.Readable());                       // as XWayland, which refuses, is not
    // Two windows side by side at the top left, the dialog below them.
    const auto red = ShowColouredWindow(QRect(20, 20, 60, 60), Qt::red, screen);
    const auto green = ShowColouredWindow(QRect(80, 20, 60, 60), Qt::green, screen);
    ASSERT_TRUE(red && green);
    FakeClipboard clipboard;
    FakeMessageBox messages;
    Platform::QtScreenMetrics metrics;
    QTemporaryDir folder;
    frmTintrix dialog(Platform::Services{&clipboard, &messages, &metrics, &screen});
    dialog.move(0, 120);
    dialog.ShowDialog(0x8BD9FE, false, folder.filePath("UserDefinedColors.txt"), "USER_", nullptr);
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto* pick = dialog.findChild<QAbstractButton*>("chkPick");

    QCursor::setPos(50, 50);
    QTest::keyClick(&dialog, Qt::Key_I, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return pick->isChecked(); }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.BaseColor() == 0x0000FF; }, 5000));
    QCursor::setPos(79, 50); // the red window's last column of device-independent pixels
    // At a scale factor of 2 one more step is still red: the red window's last physical column.
    const int steps = screen.WindowRect(*green).left() - screen.CursorPos().x();
    ASSERT_EQ(steps, QGuiApplication::primaryScreen()->devicePixelRatio());
    QTimer* timer = dialog.findChild<QTimer*>("Timer");
    for (int step = 1; step <= steps; ++step) {
        QTimerEvent tick(timer->timerId()); // one tick at once, between those of the timer
        QCoreApplication::sendEvent(timer, &tick);
        EXPECT_EQ(dialog.BaseColor(), 0x0000FF) << step;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.BaseColor() == 0x00FF00; }, 5000));
    EXPECT_EQ(
        std::tuple(screen.CursorPos().x(), dialog.findChild<PictureBox*>("picZoom")->Image().pixel(72, 36)),
        std::tuple(screen.WindowRect(*green).left(), qRgb(0xAA, 0x55, 0xAA))); // marked
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P);
    EXPECT_EQ(std::tuple(pick->isChecked(), dialog.BaseColor()), std::tuple(false, 0x00FF00));
}

} // namespace
