// Screen picking through the desktop portal end to end: the real dialog and the real portal
// picker on a private session bus, with a fake portal answering there.
#include "DesktopPickingFixture.h"
#include "namedcolors/modNamedColors.h"
#include "platform/PortalColorPicker.h"
#include "support/ByName.h"
#include "support/FakePortal.h"
#include "support/SessionBusTest.h"

#include <memory>
#include <ostream>
#include <string>

namespace {

constexpr int kAnswerTimeoutMs = 10000;

class PortalPickingTest : public DesktopPickingTest {
protected:
    void SetUp() override {
        if (const auto why = SessionBusTest::Unavailable()) {
            GTEST_SKIP() << *why;
        }
    }

    // Opens the dialog on a session with the fake portal (none when Serve is false).
    void OpenWithPortal(bool Serve = true) {
        if (Serve) {
            ASSERT_TRUE(portal.Register());
        }
        picker = std::make_unique<Platform::PortalColorPicker>();
        colorPicker = picker.get();
        Open();
    }

    // Clicks "Pick!" and waits until picking has ended.
    void PickAndWait() {
        Click("chkPick");
        ASSERT_TRUE(QTest::qWaitFor([this] { return !Pick()->isChecked(); }, kAnswerTimeoutMs));
    }
    void WaitForPickColor() {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !portal.requests.isEmpty(); }, kAnswerTimeoutMs));
    }

    FakePortal portal;
    std::unique_ptr<Platform::PortalColorPicker> picker;
};

TEST_F(PortalPickingTest, ThePortalsColourBecomesTheBaseColourRoundedToTheNearestBytes) {
    portal.AnswerColor(0.999, 0.5 / 255, 127.5 / 255); // truncated: 254, 0, 127
    OpenWithPortal();
    PickAndWait();
    EXPECT_EQ(dialog->BaseColor(), OleColor::Rgb(255, 0, 128));
    EXPECT_EQ(Text("txtBaseColorRGB"), QString::fromStdString(modNamedColors::FormatRGBText(0x8000FF)));
    EXPECT_EQ(Pick()->text(), "P&ick!");
    EXPECT_TRUE(messages.shown.isEmpty());
}

struct ResponseCase {
    const char* name;
    uint response;
};

class PortalEndsWithoutAColour : public PortalPickingTest,
                                 public testing::WithParamInterface<ResponseCase> {};

TEST_P(PortalEndsWithoutAColour, ChangesNothingAndSaysNothing) {
    portal.AnswerResponse(GetParam().response);
    OpenWithPortal();
    const QStringList before = Look();
    PickAndWait();
    EXPECT_EQ(Look(), before);
    EXPECT_TRUE(messages.shown.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Portal, PortalEndsWithoutAColour,
                         testing::Values(ResponseCase{"Cancelled", 1}, ResponseCase{"Error", 2}), ByName());

TEST_F(PortalPickingTest, APortalOfVersionOneSaysPickingIsUnavailableAndChangesNothing) {
    portal.version = 1;
    portal.hasPickColor = false;
    OpenWithPortal();
    const QStringList before = Look();
    PickAndWait();
    EXPECT_TRUE(ToldPickingIsUnavailable());
    EXPECT_EQ(Look(), before);
    EXPECT_TRUE(portal.requests.isEmpty());
}

TEST_F(PortalPickingTest, NoPortalAtAllSaysPickingIsUnavailableAndChangesNothing) {
    OpenWithPortal(false);
    const QStringList before = Look();
    PickAndWait();
    EXPECT_TRUE(ToldPickingIsUnavailable());
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(Look(), before);
}

TEST_F(PortalPickingTest, TheDialogAndTheDesktopStayResponsiveWhileThePortalsAnswerIsOutstanding) {
    portal.reply = FakePortal::Reply::Hold;
    portal.AnswerColor(0.0, 0.5, 1.0);
    OpenWithPortal();
    Click("chkPick");
    WaitForPickColor();
    ExpectPicking();

    // Other windows take typing meanwhile, and the dialog's own keys still arrive: Esc gives
    // up the pick and closes the desktop's picker.
    QLineEdit elsewhere;
    elsewhere.show();
    QTest::keyClicks(&elsewhere, "still typing");
    EXPECT_EQ(elsewhere.text(), "still typing");
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(Pick()->isChecked());
    ASSERT_TRUE(QTest::qWaitFor([this] { return portal.closed.contains(portal.requests[0].path); },
                                kAnswerTimeoutMs));
    EXPECT_EQ(dialog->BaseColor(), kStartColor);

    // The next pick is answered when the desktop gives the answer.
    Click("chkPick");
    ASSERT_TRUE(QTest::qWaitFor([this] { return portal.requests.size() == 2; }, kAnswerTimeoutMs));
    EXPECT_TRUE(Pick()->isChecked());
    portal.Release();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Pick()->isChecked(); }, kAnswerTimeoutMs));
    EXPECT_EQ(dialog->BaseColor(), OleColor::Rgb(0, 128, 255));
}

} // namespace
