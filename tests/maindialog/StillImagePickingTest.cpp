// Screen picking over a still image of the desktop (the Wayland way), end to end: the real
// dialog, the real portal screenshot and colour picker on a private session bus with a fake
// portal answering there, on Qt's offscreen platform laid out as one monitor (OneMonitor), one
// monitor at scale 2 (ScaleTwo) or two monitors (TwoMonitors), each suite in a CTest run of its
// own layout.
#include "MainDialogFixture.h"
#include "platform/PortalColorPicker.h"
#include "platform/PortalScreenshot.h"
#include "support/ByName.h"
#include "support/FakePortal.h"

#include <QGuiApplication>
#include <QScreen>
#include <memory>
#include <ostream>
#include <string>

namespace {

constexpr int kAnswerTimeoutMs = 10000;
constexpr int kReplyTimeoutMs = 300; // how long the portal may take to reply, before it counts as hung

// The desktop's pixel x, y: red x mod 256, green y mod 256, blue 16 x (x / 256) + y / 256.
QImage DesktopImage(QSize Size) {
    QImage image(Size, QImage::Format_RGB32);
    for (int y = 0; y < Size.height(); ++y) {
        for (int x = 0; x < Size.width(); ++x) {
            image.setPixel(x, y, qRgb(x % 256, y % 256, 16 * (x / 256) + y / 256));
        }
    }
    return image;
}

class StillImagePickingTest : public MainDialogTest {
protected:
    void TearDown() override { dialog.reset(); } // before the portal classes it uses
    QAbstractButton* Pick() const { return Get<QAbstractButton>("chkPick"); }
    // The base colour's values and the name of the last message box, to tell that nothing changed.
    QStringList Look() { return CopyValues() << messages.shown; }
    bool ToldPickingIsUnavailable() const {
        return messages.shown.size() == 1 &&
               messages.shown[0].startsWith("information Tintrix: Screen picking is not available");
    }

    // Opens the dialog on a session whose portal (served unless Serve is false) answers
    // Screenshot with a file of the desktop's image, Pixels in size.
    void OpenWithPortal(QSize Pixels = QSize(800, 800), bool Serve = true) {
        desktop = Pixels;
        shotFile = folder.filePath("screenshot.png");
        portal.AnswerScreenshot(shotFile);
        ASSERT_TRUE(!Serve || portal.Register());
        picker = std::make_unique<Platform::PortalColorPicker>(QDBusConnection::sessionBus(), nullptr,
                                                               kReplyTimeoutMs);
        shot = std::make_unique<Platform::PortalScreenshot>(QDBusConnection::sessionBus(), nullptr,
                                                            kReplyTimeoutMs);
        colorPicker = picker.get();
        screenshot = shot.get();
        Open();
    }

    // The shown window of the still image on Monitor, or null.
    QWidget* StillImage(int Monitor) const {
        for (QWidget* window : dialog->findChildren<QWidget*>(QString("StillImage(%1)").arg(Monitor))) {
            if (window->isVisible()) {
                return window;
            }
        }
        return nullptr;
    }
    // The desktop takes its screenshot (a file of its own each time); clicks "Pick!" and waits
    // for the still image on every monitor. The window on Monitor.
    QWidget* PickOverImage(int Monitor = 0) {
        EXPECT_TRUE(DesktopImage(desktop).save(shotFile));
        Click("chkPick");
        EXPECT_TRUE(QTest::qWaitFor([&] { return StillImage(Monitor) != nullptr; }, kAnswerTimeoutMs));
        QWidget* window = StillImage(Monitor);
        EXPECT_TRUE(window && QTest::qWaitForWindowExposed(window));
        return window;
    }
    // Clicks "Pick!" and waits until picking has ended.
    void PickAndWait() {
        Click("chkPick");
        ASSERT_TRUE(QTest::qWaitFor([this] { return !Pick()->isChecked(); }, kAnswerTimeoutMs));
    }
    // One tick of the picking timer, as the event loop delivers it.
    void Tick() const {
        auto* timer = Get<QTimer>("Timer");
        QTimerEvent tick(timer->timerId());
        QCoreApplication::sendEvent(timer, &tick);
    }
    static void Key(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window, key, modifiers);
    }
    QStringList CopyValues() {
        Click("cmdCopy");
        return Copied();
    }
    // The path of the request object of the first call of Method.
    QString RequestOf(const QString& Method) const {
        for (const FakePortal::Request& request : portal.requests) {
            if (request.method == Method) {
                return request.path;
            }
        }
        return {};
    }

    FakePortal portal;
    std::unique_ptr<Platform::PortalColorPicker> picker;
    std::unique_ptr<Platform::PortalScreenshot> shot;
    QSize desktop;
    QString shotFile;
};

class OneMonitor : public StillImagePickingTest {};

TEST_F(OneMonitor, ThePointerAndTheArrowKeysMoveOverTheImageAndPKeepsThePixel) {
    OpenWithPortal();
    QWidget* image = PickOverImage();
    EXPECT_TRUE(image->isFullScreen());
    EXPECT_EQ(Pick()->text(), "Picking");
    ASSERT_EQ(portal.requests.size(), 1);
    EXPECT_EQ(portal.requests[0].method, "Screenshot");
    EXPECT_EQ(portal.requests[0].options.value("interactive"), false);
    EXPECT_FALSE(QFile::exists(shotFile)) << "the screenshot stays behind";

    QTest::mouseMove(image, QPoint(300, 200));
    Key(image, Qt::Key_Right);
    Key(image, Qt::Key_Right);
    Key(image, Qt::Key_Down, Qt::ShiftModifier);
    Key(image, Qt::Key_Left, Qt::ControlModifier);
    Key(image, Qt::Key_P); // at 292, 250
    EXPECT_FALSE(Pick()->isChecked());
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog->findChild<QWidget*>("StillImage(0)") == nullptr; }))
        << "the still image stays";
    EXPECT_EQ(CopyValues(),
              QStringList({
                  "Base color name: -",
                  "Base color     : &H10FA24 #24FA10 RGB( 36, 250,  16) HSV(115, 0.9360, 0.9804) Grey: 159",
                  "Dimmed color   : &H4AFF59 #59FF4A RGB( 89, 255,  74) HSV(115, 0.7098, 1.0000) Grey: 185",
                  "Contrast color : &HFF00EA #EA00FF RGB(234,   0, 255) HSV(295, 1.0000, 1.0000) Grey:  99",
              }));
    EXPECT_EQ(portal.requests.size(), 1) << "one still image per pick";
}

TEST_F(OneMonitor, TheBaseColourFollowsTheCursorAClickKeepsAndEscRestores) {
    OpenWithPortal();
    QWidget* image = PickOverImage();
    QTest::mouseMove(image, QPoint(795, 795)); // the view goes left of and above the cursor
    Tick();
    EXPECT_EQ(dialog->BaseColor(), OleColor::Rgb(27, 27, 51));
    EXPECT_EQ(image->grab().toImage().pixel(795, 795), qRgb(27, 27, 51)) << "the cursor's pixel is hidden";
    QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(10, 700));
    EXPECT_EQ(dialog->BaseColor(), OleColor::Rgb(10, 188, 2));

    image = PickOverImage();
    QTest::mouseMove(image, QPoint(500, 20));
    Tick();
    EXPECT_EQ(dialog->BaseColor(), OleColor::Rgb(244, 20, 16));
    Key(image, Qt::Key_Escape);
    EXPECT_EQ(dialog->BaseColor(), OleColor::Rgb(10, 188, 2));
}

struct FallBackCase {
    const char* name;
    bool hasScreenshot;
    FakePortal::Reply screenshotReply;
    uint screenshotResponse;
    FakePortal::Reply pickColorReply;
    uint pickColorResponse; // 0: a colour
    const char* note;       // what chkPick's tool tip says at the end
    OLE_COLOR expected;     // the base colour at the end
    const char* closed;     // the method whose request is closed, "" for none
};

class ScreenshotFallsBack : public OneMonitor, public testing::WithParamInterface<FallBackCase> {};

TEST_P(ScreenshotFallsBack, ToTheDesktopsPickerAndSaysWhy) {
    const FallBackCase& c = GetParam();
    portal.hasScreenshot = c.hasScreenshot;
    portal.screenshotReply = c.screenshotReply;
    portal.reply = c.pickColorReply;
    OpenWithPortal();
    if (c.screenshotResponse != 0) {
        portal.AnswerScreenshotResponse(c.screenshotResponse);
    }
    if (c.pickColorResponse == 0) {
        portal.AnswerColor(0.0, 0.5, 1.0);
    } else {
        portal.AnswerResponse(c.pickColorResponse);
    }
    PickAndWait();
    EXPECT_EQ(dialog->BaseColor(), c.expected);
    EXPECT_TRUE(Pick()->toolTip().contains(c.note)) << Pick()->toolTip().toStdString();
    EXPECT_TRUE(messages.shown.isEmpty());
    if (*c.closed != '\0') {
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return portal.closed.contains(RequestOf(c.closed)); }, kAnswerTimeoutMs));
    }
}

using Reply = FakePortal::Reply;
constexpr OLE_COLOR kPicked = 0xFF8000; // RGB(0, 128, 255)
constexpr OLE_COLOR kStart = 0x8BD9FE;

// clang-format off
INSTANTIATE_TEST_SUITE_P(StillImage, ScreenshotFallsBack, testing::Values(
    FallBackCase{"Missing", false, Reply::Respond, 0, Reply::Respond, 0, "offers no screenshots", kPicked, ""},
    FallBackCase{"Refused", true, Reply::Refuse, 0, Reply::Respond, 0, "AccessDenied", kPicked, ""},
    FallBackCase{"Cancelled", true, Reply::Respond, 1, Reply::Respond, 0, "cancelled the screenshot", kPicked, ""},
    FallBackCase{"Denied", true, Reply::Respond, 2, Reply::Respond, 0, "did not take a screenshot", kPicked, ""},
    FallBackCase{"Hangs", true, Reply::Hang, 0, Reply::Respond, 0, "did not answer", kPicked, "Screenshot"},
    FallBackCase{"PickColorHangs", true, Reply::Respond, 2, Reply::Hang, 0, "did not answer", kStart, "PickColor"},
    FallBackCase{"PickColorFails", true, Reply::Respond, 2, Reply::Respond, 2, "ended without a color", kStart, ""}
), ByName());
// clang-format on

struct StopCase {
    const char* name;
    Qt::Key key; // Qt::Key_unknown: a click on chkPick
};

class WaitingForTheImage : public OneMonitor, public testing::WithParamInterface<StopCase> {};

TEST_P(WaitingForTheImage, ShowsOnPickingAndEndsWithTheKeysOrTheButton) {
    portal.screenshotReply = FakePortal::Reply::Hold; // the desktop asks the user, who does not answer
    OpenWithPortal();
    const QStringList before = Look();
    Click("chkPick");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !portal.requests.isEmpty(); }, kAnswerTimeoutMs));
    EXPECT_EQ(Pick()->text(), "Picking");
    EXPECT_EQ(Pick()->cursor().shape(), Qt::BusyCursor);
    EXPECT_TRUE(Pick()->toolTip().contains("Waiting for the desktop"));
    if (GetParam().key == Qt::Key_unknown) {
        Click("chkPick");
    } else {
        QTest::keyClick(QApplication::focusWidget(), GetParam().key);
    }
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return portal.closed.contains(portal.requests[0].path); }, kAnswerTimeoutMs));
    EXPECT_EQ(Look(), before);
    EXPECT_NE(Pick()->cursor().shape(), Qt::BusyCursor);
}

INSTANTIATE_TEST_SUITE_P(StillImage, WaitingForTheImage,
                         testing::Values(StopCase{"Esc", Qt::Key_Escape}, StopCase{"P", Qt::Key_P},
                                         StopCase{"ClickOnPicking", Qt::Key_unknown}),
                         ByName());

TEST_F(OneMonitor, APortalThatComesLaterIsFoundByTheNextPick) {
    OpenWithPortal(QSize(800, 800), false);
    PickAndWait();
    EXPECT_TRUE(ToldPickingIsUnavailable());

    portal.hasScreenshot = false;
    portal.AnswerColor(1.0, 0.0, 0.0);
    ASSERT_TRUE(portal.Register());
    PickAndWait();
    EXPECT_EQ(dialog->BaseColor(), 0x0000FF);
    EXPECT_EQ(messages.shown.size(), 1);
}

class ScaleTwo : public StillImagePickingTest {};

TEST_F(ScaleTwo, TheArrowKeysReachEveryDevicePixel) {
    ASSERT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
    OpenWithPortal(QSize(1600, 1600)); // an 800 x 800 desktop in device pixels
    QWidget* image = PickOverImage();
    QTest::mouseMove(image, QPoint(150, 100)); // screen pixel 300, 200
    Key(image, Qt::Key_Right);
    Key(image, Qt::Key_Left, Qt::ControlModifier);
    Key(image, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    Key(image, Qt::Key_P); // at 301, 200
    EXPECT_EQ(CopyValues(),
              QStringList({
                  "Base color name: -",
                  "Base color     : &H10C82D #2DC810 RGB( 45, 200,  16) HSV(111, 0.9200, 0.7843) Grey: 133",
                  "Dimmed color   : &H14FB37 #37FB14 RGB( 55, 251,  20) HSV(111, 0.9203, 0.9843) Grey: 166",
                  "Contrast color : &HFF00D9 #D900FF RGB(217,   0, 255) HSV(291, 1.0000, 1.0000) Grey:  94",
              }));
}

class TwoMonitors : public StillImagePickingTest {};

TEST_F(TwoMonitors, TheCursorCrossesFromOneMonitorToTheOther) {
    // 640 x 480 each, the right one 100 pixels lower: a desktop of 1280 x 580.
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    OpenWithPortal(QSize(1280, 580));
    QWidget* left = PickOverImage(0);
    ASSERT_NE(StillImage(1), nullptr);
    QTest::mouseMove(left, QPoint(630, 150));
    Key(left, Qt::Key_Right, Qt::ControlModifier);
    Key(left, Qt::Key_Right);
    Key(left, Qt::Key_P); // at 641, 150, on the right monitor
    EXPECT_EQ(CopyValues(),
              QStringList({
                  "Base color name: -",
                  "Base color     : &H209681 #819620 RGB(129, 150,  32) HSV( 71, 0.7867, 0.5882) Grey: 130",
                  "Dimmed color   : &H2BC9AC #ACC92B RGB(172, 201,  43) HSV( 71, 0.7861, 0.7882) Grey: 174",
                  "Contrast color : &HFF002F #2F00FF RGB( 47,   0, 255) HSV(251, 1.0000, 1.0000) Grey:  43",
              }));
}

} // namespace
