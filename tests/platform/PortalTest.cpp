// Picking through the desktop portal, against a fake portal on a private session bus: the
// protocol of the picker, and once the whole way through the main dialog.
#include "maindialog/MainDialogFixture.h"
#include "platform/PortalColorPicker.h"
#include "support/FakePortal.h"
#include "support/SessionBusTest.h"

#include <QSignalSpy>
#include <limits>

namespace {

using Platform::PortalColorPicker;
using Availability = Platform::DesktopColorPicker::Availability;
using Outcome = Platform::DesktopColorPicker::Outcome;
constexpr int kWaitMs = 10000;

TEST(PortalColorPicker, TakesTheNearestBytesOfTheFractions) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double red, green, blue;
        OLE_COLOR expected;
    } table[] = {{1.0, 0.2, 0.0, OleColor::Rgb(255, 51, 0)},
                 {0.999, 0.501 / 255, 127.6 / 255, OleColor::Rgb(255, 1, 128)},
                 {0.5 / 255, 128.5 / 255, 254.5 / 255, OleColor::Rgb(0, 128, 254)},
                 {1.5 / 255, 127.5 / 255, 253.5 / 255, OleColor::Rgb(2, 128, 254)},
                 {1.001, -0.001, 1e300, OleColor::Rgb(255, 0, 255)},
                 {kNaN, -std::numeric_limits<double>::infinity(), 0.5, OleColor::Rgb(0, 0, 128)}};
    for (const auto& c : table) {
        EXPECT_EQ(PortalColorPicker::ColorFromFractions(c.red, c.green, c.blue), c.expected)
            << c.red << " " << c.green;
    }
    const PortalColorPicker picker(QDBusConnection(QStringLiteral("tintrix-never-connected")));
    EXPECT_EQ(picker.State(), Availability::Unavailable);
}

class PortalTest : public SessionBusTest {
protected:
    // Picks once and returns what the picker finished with.
    static std::pair<Outcome, OLE_COLOR> Pick(PortalColorPicker& picker) {
        QSignalSpy finished(&picker, &PortalColorPicker::Finished);
        picker.Pick(nullptr);
        EXPECT_TRUE(finished.isEmpty()); // never from inside Pick
        if (!finished.wait(kWaitMs) || finished.size() != 1) {
            ADD_FAILURE() << "no single answer";
            return {Outcome::Failed, -1};
        }
        return {finished[0][0].value<Outcome>(), finished[0][1].value<OLE_COLOR>()};
    }
    void WaitUntil(const std::function<bool()>& done) { ASSERT_TRUE(QTest::qWaitFor(done, kWaitMs)); }
    FakePortal portal;
};

TEST_F(PortalTest, AsksThePortalForEachPickAndFollowsItsAnswers) {
    PortalColorPicker without;
    WaitUntil([&] { return without.State() != Availability::Checking; });
    EXPECT_EQ(Pick(without).first, Outcome::Unavailable); // no portal at all
    EXPECT_FALSE(PortalColorPicker::PortalPresent(QDBusConnection::sessionBus()));
    ASSERT_TRUE(portal.Register());
    EXPECT_TRUE(PortalColorPicker::PortalPresent(QDBusConnection::sessionBus()));
    PortalColorPicker picker;
    EXPECT_EQ(picker.State(), Availability::Checking); // the version is not waited for
    portal.AnswerColor(0.0, 0.0, 1.0);
    EXPECT_EQ(Pick(picker), std::pair(Outcome::Picked, OleColor::Rgb(0, 0, 255)));
    EXPECT_EQ(picker.State(), Availability::Available);
    portal.reply = FakePortal::Reply::ResponseFirst;
    EXPECT_EQ(Pick(picker).second, OleColor::Rgb(0, 0, 255));
    portal.reply = FakePortal::Reply::OwnPath;
    portal.AnswerColor(0.0, 1.0, 1.0);
    EXPECT_EQ(Pick(picker).second, OleColor::Rgb(0, 255, 255));
    ASSERT_EQ(portal.requests.size(), 3);
    QString sender = QDBusConnection::sessionBus().baseService().mid(1).replace('.', '_');
    const QString token = portal.requests[0].options.value("handle_token").toString();
    EXPECT_EQ(portal.requests[0].path, "/org/freedesktop/portal/desktop/request/" + sender + "/" + token);
    EXPECT_NE(portal.requests[1].options.value("handle_token").toString(), token);
    portal.reply = FakePortal::Reply::Respond;
    const struct {
        uint response;
        QVariantMap results;
        Outcome outcome;
    } endings[] = {{1, {}, Outcome::Cancelled},
                   {2, {}, Outcome::Failed},
                   {0, {}, Outcome::Failed},
                   {0, {{"color", QStringLiteral("red")}}, Outcome::Failed}};
    for (const auto& e : endings) {
        portal.AnswerResponse(e.response, e.results);
        EXPECT_EQ(Pick(picker), std::pair(e.outcome, -1)) << e.response;
    }
    portal.reply = FakePortal::Reply::Refuse;
    EXPECT_EQ(Pick(picker).first, Outcome::Failed);
    EXPECT_EQ(picker.State(), Availability::Available); // the next pick tries again
}

TEST_F(PortalTest, CancellingOrLeavingClosesTheOutstandingRequest) {
    portal.reply = FakePortal::Reply::Hold;
    portal.AnswerColor(1.0, 0.0, 0.0);
    ASSERT_TRUE(portal.Register());
    auto picker = std::make_unique<PortalColorPicker>();
    QSignalSpy finished(picker.get(), &PortalColorPicker::Finished);
    picker->Pick(nullptr);
    WaitUntil([&] { return portal.requests.size() == 1; });
    picker->Pick(nullptr); // ignored while one is outstanding
    picker->Cancel();
    WaitUntil([&] { return portal.closed.contains(portal.requests[0].path); });
    portal.Release();                          // a desktop that answers all the same is not heard
    portal.reply = FakePortal::Reply::OwnPath; // the request known only from the reply
    picker->Pick(nullptr);
    picker->Cancel();
    WaitUntil([&] { return portal.requests.size() == 2 && portal.closed.contains(portal.requests[1].path); });
    portal.reply = FakePortal::Reply::Hold;
    picker->Pick(nullptr);
    WaitUntil([&] { return portal.requests.size() == 3; });
    picker.reset();
    WaitUntil([&] { return portal.closed.contains(portal.requests[2].path); });
    EXPECT_TRUE(finished.isEmpty());
    portal.version = 1; // a portal without PickColor is not asked
    portal.hasPickColor = false;
    PortalColorPicker old;
    EXPECT_EQ(Pick(old).first, Outcome::Unavailable);
    EXPECT_EQ(portal.requests.size(), 3);
}

class PortalPickingTest : public MainDialogTest {
protected:
    void SetUp() override {
        if (const auto why = SessionBusTest::Unavailable()) {
            GTEST_SKIP() << *why;
        }
    }
    void TearDown() override { dialog.reset(); } // before the picker it uses
    FakePortal portal;
    std::unique_ptr<PortalColorPicker> picker;
};

TEST_F(PortalPickingTest, ThePortalsColourBecomesTheBaseColourWhileTheDialogStaysResponsive) {
    portal.reply = FakePortal::Reply::Hold;
    portal.AnswerColor(0.999, 0.5 / 255, 127.5 / 255); // truncated: 254, 0, 127
    ASSERT_TRUE(portal.Register());
    picker = std::make_unique<PortalColorPicker>();
    colorPicker = picker.get();
    Open();
    Click("chkPick");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !portal.requests.isEmpty(); }, kWaitMs));
    EXPECT_EQ(Get<QAbstractButton>("chkPick")->text(), "Picking");
    bool served = false; // the event loop runs on meanwhile
    QTimer::singleShot(0, [&served] { served = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return served; }, kWaitMs));
    portal.Release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Get<QAbstractButton>("chkPick")->isChecked(); }, kWaitMs));
    Click("cmdCopy");
    EXPECT_EQ(Copied()[1],
              "Base color     : &H8000FF #FF0080 RGB(255,   0, 128) HSV(330, 1.0000, 1.0000) Grey:  91");
    EXPECT_TRUE(messages.shown.isEmpty());
}

} // namespace
