// Screen picking over a still image of the desktop (the Wayland way), end to end: the real
// dialog, the real portal screenshot and colour picker on a private session bus with a fake
// portal answering there, on Qt's offscreen platform laid out as one monitor (OneMonitor), one
// monitor at scale 2 (ScaleTwo) or two monitors (TwoMonitors), each suite in a CTest run of its
// own layout.
#include "MainDialogFixture.h"
#include "platform/PortalColorPicker.h"
#include "platform/PortalScreenshot.h"
#include "support/FakePortal.h"

namespace {

constexpr int kAnswerTimeoutMs = 10000;
constexpr int kReplyTimeoutMs = 300; // how long the portal may take to reply, before it counts as hung

// The desktop's pixel x, y: red x mod 256, green y mod 256, blue 16 x (x / 256) + y / 256.
QImage DesktopImage(QSize Size) {
    return ImageOf(
        Size, [](QPoint at) { return qRgb(at.x() % 256, at.y() % 256, 16 * (at.x() / 256) + at.y() / 256); });
}

class StillImagePickingTest : public MainDialogTest {
protected:
    void TearDown() override { dialog.reset(); } // before the portal classes it uses
    QAbstractButton* Pick() const { return Get<QAbstractButton>("chkPick"); }

    // Opens the dialog on a session whose portal (served unless Serve is false) answers
    // Screenshot with a file of the desktop's image, Pixels in size.
    void OpenWithPortal(QSize Pixels = QSize(800, 800), bool Serve = true) {
        desktop = Pixels;
        portal.AnswerScreenshot(shotFile);
        ASSERT_TRUE(!Serve || portal.Register());
        const QDBusConnection bus = QDBusConnection::sessionBus();
        picker = std::make_unique<Platform::PortalColorPicker>(bus, nullptr, kReplyTimeoutMs);
        shot = std::make_unique<Platform::PortalScreenshot>(bus, nullptr, kReplyTimeoutMs);
        std::tie(colorPicker, screenshot) = std::tuple(picker.get(), shot.get());
        Open();
    }

    // The shown window of the still image on Monitor, or null.
    QWidget* StillImage(int Monitor) const {
        const auto windows = dialog->findChildren<QWidget*>(QString("StillImage(%1)").arg(Monitor));
        const auto shown = std::ranges::find_if(windows, &QWidget::isVisible);
        return shown == windows.end() ? nullptr : *shown;
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
    QString shotFile = folder.filePath("screenshot.png");
};

class OneMonitor : public StillImagePickingTest {};

TEST_F(OneMonitor, ThePointerAndTheArrowKeysMoveOverTheImageAClickOrPKeepsAndEscRestores) {
    OpenWithPortal();
    QWidget* image = PickOverImage();
    EXPECT_EQ(std::tuple(image->isFullScreen(), Pick()->text(), portal.requests.size(),
                         portal.requests[0].method, portal.requests[0].options.value("interactive"),
                         QFile::exists(shotFile)),
              std::tuple(true, "Picking", 1, "Screenshot", QVariant(false), false)); // no screenshot stays
    QTest::mouseMove(image, QPoint(300, 200));
    Keys(image, {Qt::Key_Right, Qt::Key_Right, Qt::SHIFT | Qt::Key_Down, Qt::CTRL | Qt::Key_Left, Qt::Key_P});
    EXPECT_EQ(std::tuple(Pick()->isChecked(), StillImage(0), dialog->BaseColor(), dialog->DimmedColor()),
              std::tuple(false, nullptr, OleColor::Rgb(36, 250, 16), 0x4AFF59)); // at 292, 250

    image = PickOverImage();
    QTest::mouseMove(image, QPoint(795, 795)); // the view goes left of and above the cursor
    Tick();
    // The cursor's pixel is not hidden; rings of black and white frame it.
    const QImage shown = image->grab().toImage();
    EXPECT_EQ(
        std::tuple(dialog->BaseColor(), shown.pixel(795, 795), shown.pixel(792, 795), shown.pixel(793, 795)),
        std::tuple(OleColor::Rgb(27, 27, 51), qRgb(27, 27, 51), qRgb(0, 0, 0), qRgb(255, 255, 255)));
    QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(10, 700));
    EXPECT_EQ(dialog->BaseColor(), OleColor::Rgb(10, 188, 2));
    image = PickOverImage();
    QTest::mouseMove(image, QPoint(500, 20)); // RGB(244, 20, 16) until Esc
    Tick();
    Keys(image, {Qt::Key_Escape});
    EXPECT_EQ(std::tuple(dialog->BaseColor(), portal.requests.size()),
              std::tuple(OleColor::Rgb(10, 188, 2), 3))
        << "one still image per pick";
}

using Reply = FakePortal::Reply;
// How Screenshot replies and its response, how PickColor replies and its response (0: a colour),
// what chkPick's tool tip then says, the base colour at the end and the method whose request is
// closed ("" for none).
using FallBackCase = std::tuple<const char*, Reply, uint, Reply, uint, const char*, OLE_COLOR, const char*>;

class ScreenshotFallsBack : public OneMonitor, public testing::WithParamInterface<FallBackCase> {};

TEST_P(ScreenshotFallsBack, ToTheDesktopsPickerAndSaysWhy) {
    const auto& [name, shotReply, shotResponse, colorReply, colorResponse, note, expected, closed] =
        GetParam();
    std::tie(portal.screenshotReply, portal.reply) = std::tuple(shotReply, colorReply);
    OpenWithPortal();
    portal.AnswerScreenshotResponse(shotResponse);
    colorResponse ? portal.AnswerResponse(colorResponse) : portal.AnswerColor(0.0, 0.5, 1.0);
    PickAndWait();
    EXPECT_EQ(std::tuple(dialog->BaseColor(), Pick()->toolTip().contains(note), QToolTip::isVisible(),
                         messages.shown.size()),
              std::tuple(expected, true, true, 0))
        << Pick()->toolTip().toStdString();
    // The request of the first call of that method.
    const auto request = std::ranges::find(portal.requests, QString(closed), &FakePortal::Request::method);
    ASSERT_EQ(request != portal.requests.end(), *closed != '\0');
    EXPECT_TRUE(!*closed ||
                QTest::qWaitFor([&] { return portal.closed.contains(request->path); }, kAnswerTimeoutMs));
}

constexpr OLE_COLOR kPicked = 0xFF8000; // RGB(0, 128, 255)
constexpr OLE_COLOR kStart = 0x8BD9FE;

// clang-format off
INSTANTIATE_TEST_SUITE_P(StillImage, ScreenshotFallsBack, testing::Values(
    FallBackCase{"Missing", Reply::Missing, 0, Reply::Respond, 0, "offers no screenshots", kPicked, ""},
    FallBackCase{"Refused", Reply::Refuse, 0, Reply::Respond, 0, "AccessDenied", kPicked, ""},
    FallBackCase{"Cancelled", Reply::Respond, 1, Reply::Respond, 0, "cancelled the screenshot", kPicked, ""},
    FallBackCase{"Denied", Reply::Respond, 2, Reply::Respond, 0, "did not take a screenshot", kPicked, ""},
    FallBackCase{"Hangs", Reply::Hang, 0, Reply::Respond, 0, "did not answer", kPicked, "Screenshot"},
    FallBackCase{"PickColorHangs", Reply::Respond, 2, Reply::Hang, 0, "did not answer", kStart, "PickColor"},
    FallBackCase{"PickColorFails", Reply::Respond, 2, Reply::Respond, 2, "ended without a color", kStart, ""}
), [](const auto& row) { return std::string(std::get<0>(row.param)); });
// clang-format on

TEST_F(OneMonitor, WaitingForTheImageShowsOnPickingAndEndsWithEscPOrTheButton) {
    portal.screenshotReply = Reply::Hold; // the desktop asks the user, who does not answer
    OpenWithPortal();
    for (Qt::Key stop : {Qt::Key_Escape, Qt::Key_P, Qt::Key_unknown}) { // unknown: a click on "Picking"
        const qsizetype asked = portal.requests.size();
        Click("chkPick");
        ASSERT_TRUE(QTest::qWaitFor([&] { return portal.requests.size() > asked; }, kAnswerTimeoutMs));
        EXPECT_EQ(std::tuple(Pick()->text(), Pick()->cursor().shape(),
                             Pick()->toolTip().contains("Waiting for the desktop")),
                  std::tuple("Picking", Qt::BusyCursor, true));
        stop == Qt::Key_unknown ? Click("chkPick") : QTest::keyClick(QApplication::focusWidget(), stop);
        EXPECT_TRUE(QTest::qWaitFor([&] { return portal.closed.contains(portal.requests.last().path); },
                                    kAnswerTimeoutMs));
        EXPECT_EQ(std::tuple(dialog->BaseColor(), messages.shown.size(), Pick()->cursor().shape()),
                  std::tuple(kStartColor, 0, Qt::ArrowCursor));
    }
}

TEST_F(OneMonitor, APortalThatComesLaterIsFoundByTheNextPick) {
    OpenWithPortal(QSize(800, 800), false);
    PickAndWait();
    EXPECT_EQ(messages.shown.size(), 1); // picking is not available
    portal.screenshotReply = Reply::Missing;
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
