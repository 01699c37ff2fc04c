// The contrast window beside the main dialog: how it opens, that it follows every way of
// choosing a colour within the same event, its "&Copy" and the visions, and the ratios the
// main dialog's samples announce.
#include "MainDialogFixture.h"
#include "hsvdialog/frmHSVTintrix.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QTimerEvent>

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

class ContrastWindowTest : public MainDialogTest {
protected:
    QDialog* Window() const { return dialog->findChild<QDialog*>("frmContrast"); }
    template <typename Control = QWidget> Control* InWindow(const QString& name) const {
        return Window()->findChild<Control*>(name);
    }
    QString Ratio(int Row) const { return InWindow<QLabel>(QString("lblRatio(%1)").arg(Row))->text(); }
    void PressCtrlK() { QTest::keyClick(dialog->windowHandle(), Qt::Key_K, Qt::ControlModifier); }
    void OpenWindow() {
        PressCtrlK();
        ASSERT_NE(Window(), nullptr);
        ASSERT_TRUE(Window()->isVisible());
    }
    QStringList CopiedFromWindow() {
        QTest::mouseClick(InWindow<QPushButton>("cmdCopy"), Qt::LeftButton);
        return Copied();
    }
};

TEST_F(ContrastWindowTest, CtrlKAndTheContextMenusOpenOneWindowAboveTheDialog) {
    Open();
    EXPECT_EQ(Window(), nullptr); // never opens by itself
    Get("txtBaseColorRGB")->setFocus();
    OpenWindow();
    EXPECT_EQ(Window()->windowTitle(), "Contrast");
    EXPECT_TRUE(Window()->isWindow());
    EXPECT_EQ(Window()->parentWidget(), dialog.get());

    QTest::keyClick(Window()->windowHandle(), Qt::Key_Escape);
    EXPECT_FALSE(Window()->isVisible());
    for (const char* sample : {"lblCol(0)", "lblCol(5)"}) {
        const QList<QAction*> entries = Get(sample)->actions();
        ASSERT_EQ(entries.size(), 1);
        EXPECT_EQ(entries[0]->text(), "Contrast ratios...");
        Window()->close();
        entries[0]->trigger();
        EXPECT_TRUE(Window()->isVisible()) << sample;
    }

    Window()->close();
    QLineEdit* box = Get<QLineEdit>("txtDimmedColorValue");
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(box, &click);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->actions().first()->text(), "&Copy\tCtrl+C"); // the box's usual menu, then the entry
    QAction* entry = menu->actions().last();
    EXPECT_EQ(entry->text(), "Contrast ratios...");
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
    EXPECT_TRUE(Window()->isVisible());
    PressCtrlK();
    EXPECT_EQ(dialog->findChildren<QDialog*>("frmContrast").size(), 1);
}

TEST_F(ContrastWindowTest, CopyGivesEveryRowAtTheStartColors) {
    Open();
    OpenWindow();
    EXPECT_EQ(CopiedFromWindow(), kStartText);
    EXPECT_EQ(Ratio(1), "4.28:1");
}

TEST_F(ContrastWindowTest, AVisionShowsEveryRowInTheColorsItSees) {
    Open();
    OpenWindow();
    Choose("cboVision", 1);
    const QStringList copied = CopiedFromWindow();
    ASSERT_EQ(copied.size(), 7);
    EXPECT_EQ(copied[0], "Contrast (WCAG 2), Protanopia");
    EXPECT_EQ(copied[1], "Base on dimmed  : #EBD885 on #F7EDC8   1.21:1  AA fail  AA large fail  AAA fail  "
                         "AAA large fail  Non-text fail");
    QWidget* sample = InWindow("lblSample(0)");
    EXPECT_EQ(sample->accessibleDescription(),
              "Text &H85D8EB #EBD885 RGB(235, 216, 133), background &HC8EDF7 #F7EDC8 RGB(247, 237, 200)");
    EXPECT_EQ(sample->grab().toImage().pixelColor(1, 1).name(), "#f7edc8");
    EXPECT_EQ(Ratio(0), "1.21:1");
}

TEST_F(ContrastWindowTest, FollowsATypedColorInTheSameEvent) {
    Open();
    OpenWindow();
    Retype("txtBaseColorRGB", 2, 6, "FFFFFF"); // base white; dimmed and contrast stay
    EXPECT_EQ(Ratio(4), "1.00:1");
    EXPECT_EQ(Ratio(5), "21.00:1");
    EXPECT_EQ(CopiedFromWindow()[1].left(36), "Base on dimmed  : #FFFFFF on #FFEECA");
}

TEST_F(ContrastWindowTest, FollowsEveryPickTickThatChangesTheColor) {
    QImage black(64, 64, QImage::Format_ARGB32);
    black.fill(Qt::black);
    screen.SetPixels(black);
    screen.cursor = QPoint(32, 32);
    Open();
    OpenWindow();
    Click("chkPick");
    auto* timer = Get<QTimer>("Timer");
    QTimerEvent tick(timer->timerId());
    QCoreApplication::sendEvent(timer, &tick);
    EXPECT_EQ(Ratio(5), "1.00:1");
    EXPECT_EQ(Ratio(4), "21.00:1");
    EXPECT_TRUE(InWindow("cboVision")->isEnabled()); // no input of the picking dialog
    Click("chkPick");
}

TEST_F(ContrastWindowTest, FollowsTheHSVDialogInImmediateMode) {
    Open();
    OpenWindow();
    DuringModalRun<frmHSVTintrix>(dialog.get(), [this](frmHSVTintrix& hsv) {
        QTest::keyClick(hsv.windowHandle(), 'r'); // the red preset
        EXPECT_EQ(Ratio(4), "3.99:1");
        QTest::keyClick(hsv.windowHandle(), Qt::Key_Return);
    });
    Click("cmdSelectSpecial");
    EXPECT_EQ(Ratio(4), "3.99:1");
}

TEST_F(ContrastWindowTest, ClosingTheMainDialogClosesIt) {
    Open();
    OpenWindow();
    dialog->close();
    EXPECT_FALSE(Window()->isVisible());
}

TEST_F(ContrastWindowTest, TheSamplesAnnounceTheirRatio) {
    Open();
    const char* const ratios[] = {"1.18:1", "4.28:1", "1.18:1", "4.28:1"};
    for (int i = 2; i <= 5; ++i) {
        EXPECT_TRUE(Get(QString("lblCol(%1)").arg(i))->accessibleDescription()
                        .endsWith(", contrast " + QString(ratios[i - 2])))
            << i;
    }
}

} // namespace
