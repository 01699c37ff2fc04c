// Picking through the desktop portal against a fake portal on a private session bus, and the way
// the portal's fractions become bytes.
#include "maindialog/MainDialogFixture.h"
#include "platform/PortalColorPicker.h"
#include "platform/Services.h"
#include "support/FakePortal.h"

namespace {

using Platform::PortalColorPicker;

TEST(PortalColorPicker, TakesTheNearestBytesOfTheFractions) {
    // clang-format off
    const std::tuple<double, double, double, OLE_COLOR> table[] = {{1.0, 0.2, 0.0, OleColor::Rgb(255, 51, 0)},
        {0.999, 0.501 / 255, 127.6 / 255, OleColor::Rgb(255, 1, 128)}, {0.5 / 255, 128.5 / 255, 254.5 / 255, OleColor::Rgb(0, 128, 254)},
        {1.5 / 255, 127.5 / 255, 253.5 / 255, OleColor::Rgb(2, 128, 254)}, {1.001, -0.001, 1e300, OleColor::Rgb(255, 0, 255)},
        {NAN, -INFINITY, 0.5, OleColor::Rgb(0, 0, 128)}};
    // clang-format on
    for (const auto& [red, green, blue, expected] : table) {
        EXPECT_EQ(PortalColorPicker::ColorFromFractions(red, green, blue), expected) << red << " " << green;
    }
}

// The picker's protocol against the portal, each answer a portal may give.
TEST(PortalColorPicker, FollowsEveryAnswerAndClosesWhatItLeaves) {
    using Outcome = Platform::DesktopColorPicker::Outcome;
    PortalColorPicker without; // no portal on the bus: unavailable, told after Pick returns
    QSignalSpy told(&without, &PortalColorPicker::Finished);
    without.Pick(nullptr);
    EXPECT_TRUE(told.isEmpty() && told.wait() && told[0][0].value<Outcome>() == Outcome::Unavailable);
    FakePortal portal;
    ASSERT_TRUE(portal.Register());
    const Platform::Services qt = Platform::Services::Qt(); // an offscreen screen can be read: no portal
    EXPECT_EQ(std::tuple(qt.colorPicker, qt.clipboard->SetText("Tintrix")), std::tuple(nullptr, true));
    auto picker = std::make_unique<PortalColorPicker>();
    const auto pick = [&](FakePortal::Reply reply, uint response) {
        portal.reply = reply;
        response ? portal.AnswerResponse(response) : portal.AnswerColor(0.0, 1.0, 1.0);
        QSignalSpy finished(picker.get(), &PortalColorPicker::Finished);
        picker->Pick(nullptr);
        return finished.wait() ? finished[0][0].value<Outcome>() : Outcome::Failed;
    };
    using enum FakePortal::Reply;
    EXPECT_EQ(pick(ResponseFirst, 0), Outcome::Picked);
    EXPECT_EQ(pick(OwnPath, 0), Outcome::Picked);
    EXPECT_EQ(pick(Respond, 1), Outcome::Cancelled);
    EXPECT_EQ(pick(Respond, 2), Outcome::Failed);
    EXPECT_EQ(pick(Refuse, 1), Outcome::Failed);
    portal.reply = OwnPath; // cancelled before the reply names the request
    picker->Pick(nullptr);
    picker->Cancel();
    ASSERT_TRUE(QTest::qWaitFor([&] { return portal.requests.size() == 6; }));
    portal.reply = Hold; // a picker that goes away closes its request
    picker->Pick(nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return portal.requests.size() == 7; }));
    picker.reset();
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return portal.closed.contains(portal.requests[5].path) &&
               portal.closed.contains(portal.requests[6].path);
    }));
    portal.version = 1; // a portal without the picker is not asked
    picker = std::make_unique<PortalColorPicker>();
    EXPECT_EQ(pick(Respond, 0), Outcome::Unavailable);
    EXPECT_EQ(portal.requests.size(), 7);
}

} // namespace
