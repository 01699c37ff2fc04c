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
    // Keys typed on Window, each with its modifiers.
    static void Keys(QWidget* Window, std::initializer_list<QKeyCombination> Keys) {
        for (QKeyCombination key : Keys) {
            QTest::keyClick(Window, key.key(), key.keyboardModifiers());
        }
    }

    FakePortal portal;
    std::unique_ptr<Platform::PortalColorPicker> picker;
    std::unique_ptr<Platform::PortalScreenshot> shot;
    QSize desktop;
    QString shotFile;
};

class OneMonitor : public StillImagePickingTest {};

TEST_F(OneMonitor, ThePointerAndTheArrowKeysMoveOverTheImageAClickOrPKeepsAndEscRestores) {
    OpenWithPortal();
    QWidget* image = PickOverImage();
    EXPECT_EQ(std::tuple(image->isFullScreen(), Pick()->text(), portal.requests.size()),
              std::tuple(true, "Picking", 1));
    EXPECT_EQ(std::tuple(portal.requests[0].method, portal.requests[0].options.value("interactive")),
              std::tuple("Screenshot", QVariant(false)));
    EXPECT_FALSE(QFile::exists(shotFile)) << "the screenshot stays behind";
    QTest::mouseMove(image, QPoint(300, 200));
    Keys(image, {Qt::Key_Right, Qt::Key_Right, Qt::SHIFT | Qt::Key_Down, Qt::CTRL | Qt::Key_Left, Qt::Key_P});
    EXPECT_EQ(std::tuple(Pick()->isChecked(), dialog->BaseColor(), dialog->DimmedColor()),
              std::tuple(false, OleColor::Rgb(36, 250, 16), 0x4AFF59)); // at 292, 250
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog->findChild<QWidget*>("StillImage(0)") == nullptr; }))
        << "the still image stays";

    image = PickOverImage();
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
    Keys(image, {Qt::Key_Escape});
    EXPECT_EQ(std::tuple(dialog->BaseColor(), portal.requests.size()),
              std::tuple(OleColor::Rgb(10, 188, 2), 3))
        << "one still image per pick";
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
    if (*c.closed != '\0') { // the request of the first call of that method
        const auto request = std::find_if(portal.requests.begin(), portal.requests.end(),
                                          [&](const FakePortal::Request& r) { return r.method == c.closed; });
        ASSERT_NE(request, portal.requests.end());
        EXPECT_TRUE(QTest::qWaitFor([&] { return portal.closed.contains(request->path); }, kAnswerTimeoutMs));
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

TEST_F(OneMonitor, WaitingForTheImageShowsOnPickingAndEndsWithEscPOrTheButton) {
    portal.screenshotReply = FakePortal::Reply::Hold; // the desktop asks the user, who does not answer
    OpenWithPortal();
    const QString before = Text("txtBaseColorRGB");
    for (Qt::Key stop : {Qt::Key_Escape, Qt::Key_P, Qt::Key_unknown}) { // unknown: a click on "Picking"
        const qsizetype asked = portal.requests.size();
        Click("chkPick");
        ASSERT_TRUE(QTest::qWaitFor([&] { return portal.requests.size() > asked; }, kAnswerTimeoutMs));
        EXPECT_EQ(std::tuple(Pick()->text(), Pick()->cursor().shape()),
                  std::tuple("Picking", Qt::BusyCursor));
        EXPECT_TRUE(Pick()->toolTip().contains("Waiting for the desktop"));
        stop == Qt::Key_unknown ? Click("chkPick") : QTest::keyClick(QApplication::focusWidget(), stop);
        EXPECT_TRUE(QTest::qWaitFor([&] { return portal.closed.contains(portal.requests.last().path); },
                                    kAnswerTimeoutMs));
        EXPECT_EQ(std::tuple(Text("txtBaseColorRGB"), messages.shown.size()), std::tuple(before, 0));
        EXPECT_NE(Pick()->cursor().shape(), Qt::BusyCursor);
    }
}

TEST_F(OneMonitor, APortalThatComesLaterIsFoundByTheNextPick) {
    OpenWithPortal(QSize(800, 800), false);
    PickAndWait();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith("information Tintrix: Screen picking is not available"));

    portal.hasScreenshot = false;
    portal.AnswerColor(1.0, 0.0, 0.0);
    ASSERT_TRUE(portal.Register());
    PickAndWait();
    EXPECT_EQ(std::tuple(dialog->BaseColor(), messages.shown.size()), std::tuple(0x0000FF, 1));
}

class ScaleTwo : public StillImagePickingTest {};

TEST_F(ScaleTwo, TheArrowKeysReachEveryDevicePixel) {
    ASSERT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
    OpenWithPortal(QSize(1600, 1600)); // an 800 x 800 desktop in device pixels
    QWidget* image = PickOverImage();
    QTest::mouseMove(image, QPoint(150, 100)); // screen pixel 300, 200
    Keys(image, {Qt::Key_Right, Qt::CTRL | Qt::Key_Left, Qt::CTRL | Qt::SHIFT | Qt::Key_Right, Qt::Key_P});
    EXPECT_EQ(dialog->BaseColor(), OleColor::Rgb(45, 200, 16)); // at 301, 200
}

class TwoMonitors : public StillImagePickingTest {};

TEST_F(TwoMonitors, TheCursorCrossesFromOneMonitorToTheOther) {
    // 640 x 480 each, the right one 100 pixels lower: a desktop of 1280 x 580.
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    OpenWithPortal(QSize(1280, 580));
    QWidget* left = PickOverImage(0);
    ASSERT_NE(StillImage(1), nullptr);
    QTest::mouseMove(left, QPoint(630, 150));
    Keys(left, {Qt::CTRL | Qt::Key_Right, Qt::Key_Right, Qt::Key_P});
    EXPECT_EQ(dialog->BaseColor(), OleColor::Rgb(129, 150, 32)); // at 641, 150, on the right monitor
}

} // namespace
