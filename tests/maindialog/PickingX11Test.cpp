// Screen picking end to end on a private X server with the real screen layer, also at
// QT_SCALE_FACTOR=2 (the ".Scale2" runs): windows of known colours, the real cursor, the access
// key and the dialog's own 10 ms timer.
#include "fakes/FakeClipboard.h"
#include "fakes/FakeMessageBox.h"
#include "maindialog/frmTintrix.h"
#include "platform/QtColor.h"
#include "platform/QtScreen.h"
#include "platform/QtScreenMetrics.h"
#include "support/ColouredWindow.h"
#include "support/XServerTest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QTemporaryDir>
#include <QTimer>
#include <QTimerEvent>
#include <memory>

namespace {

constexpr OLE_COLOR kStartColor = 0x8BD9FE;
constexpr OLE_COLOR kRed = 0x0000FF;
constexpr OLE_COLOR kGreen = 0x00FF00;
constexpr int kWaitMs = 5000;

class PickingOnX : public XServerTest {
protected:
    // Two windows side by side at the top left, the dialog below them (device-independent
    // pixels; at a scale factor of 2 the dialog reaches past the right edge of the screen).
    void SetUp() override {
        XServerTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        red = ShowColouredWindow(QRect(20, 20, 60, 60), Qt::red, screen);
        green = ShowColouredWindow(QRect(80, 20, 60, 60), Qt::green, screen);
        ASSERT_TRUE(red && green);
        dialog = std::make_unique<frmTintrix>(Platform::Services{&clipboard, &messages, &metrics, &screen});
        dialog->move(0, 120);
        dialog->ShowDialog(kStartColor, false, folder.filePath("UserDefinedColors.txt"), "USER_", nullptr);
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    QAbstractButton* Pick() const { return dialog->findChild<QAbstractButton*>("chkPick"); }

    // One tick at once, between those of the running timer.
    void Tick() const {
        QTimer* timer = dialog->findChild<QTimer*>("Timer");
        ASSERT_TRUE(timer->isActive());
        QTimerEvent tick(timer->timerId());
        QCoreApplication::sendEvent(timer, &tick);
    }

    OLE_COLOR PixelUnderTheCursor() const {
        const QImage pixel = screen.Grab(QRect(screen.CursorPos(), QSize(1, 1)));
        return pixel.isNull() ? -1 : QtColor::FromQColor(QColor(pixel.pixel(0, 0)));
    }

    FakeClipboard clipboard;
    FakeMessageBox messages;
    Platform::QtScreenMetrics metrics;
    Platform::QtScreen screen;
    QTemporaryDir folder;
    std::unique_ptr<QWidget> red;
    std::unique_ptr<QWidget> green;
    std::unique_ptr<frmTintrix> dialog;
};

TEST_F(PickingOnX, TheAccessKeyStartsPickingAndThePixelUnderTheCursorBecomesTheBaseColour) {
    QCursor::setPos(50, 50);
    QTest::keyClick(dialog.get(), Qt::Key_I, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Pick()->isChecked(); }, kWaitMs));

    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog->BaseColor() == kRed; }, kWaitMs));
    EXPECT_EQ(dialog->BaseColor(), PixelUnderTheCursor());

    QCursor::setPos(110, 50);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog->BaseColor() == kGreen; }, kWaitMs));
    EXPECT_EQ(dialog->BaseColor(), PixelUnderTheCursor());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P);
    EXPECT_FALSE(Pick()->isChecked());
    EXPECT_EQ(dialog->BaseColor(), kGreen);
}

TEST_F(PickingOnX, ArrowKeysStepOnePhysicalPixel) {
    QCursor::setPos(79, 50); // the red window's last column of device-independent pixels
    QTest::keyClick(dialog.get(), Qt::Key_I, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Pick()->isChecked(); }, kWaitMs));
    const int steps = screen.WindowRect(*green).left() - screen.CursorPos().x();
    ASSERT_GE(steps, 1);

    // At a scale factor of 2 one more step is still red: the red window's last physical column.
    for (int step = 1; step < steps; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    }
    Tick();
    EXPECT_EQ(dialog->BaseColor(), kRed);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    Tick();
    EXPECT_EQ(dialog->BaseColor(), kGreen);
    EXPECT_EQ(screen.CursorPos().x(), screen.WindowRect(*green).left());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(Pick()->isChecked());
    EXPECT_EQ(dialog->BaseColor(), kStartColor);
}

} // namespace
