#include "platform/PortalColorPicker.h"

#include "support/ByName.h"
#include "support/FakePortal.h"
#include "support/QtPrinters.h"
#include "support/SessionBusTest.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <limits>
#include <memory>
#include <ostream>
#include <string>

namespace {

using Platform::PortalColorPicker;
using Availability = Platform::DesktopColorPicker::Availability;
using Outcome = Platform::DesktopColorPicker::Outcome;
using OleColor::Rgb;

constexpr int kAnswerTimeoutMs = 10000;

// ----- Fractions to bytes ------------------------------------------------------------------------

struct FractionCase {
    const char* name;
    double red, green, blue;
    OLE_COLOR expected;
};

class ColorFromFractionsTest : public testing::TestWithParam<FractionCase> {};

TEST_P(ColorFromFractionsTest, RoundsHalvesToEvenAndClamps) {
    const FractionCase& c = GetParam();
    EXPECT_EQ(PortalColorPicker::ColorFromFractions(c.red, c.green, c.blue), c.expected);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// clang-format off
INSTANTIATE_TEST_SUITE_P(Fractions, ColorFromFractionsTest, testing::Values(
    FractionCase{"Black", 0.0, 0.0, 0.0, 0x000000},
    FractionCase{"White", 1.0, 1.0, 1.0, 0xFFFFFF},
    FractionCase{"RedInTheLowestByte", 1.0, 0.2, 0.0, Rgb(255, 51, 0)},
    // Truncation would give 254 and 127: the nearest byte is meant.
    FractionCase{"AlmostOneIs255", 0.999, 0.999, 0.999, 0xFFFFFF},
    FractionCase{"JustOverHalfAStepUp", 0.501 / 255, 127.6 / 255, 0.4, Rgb(1, 128, 102)},
    // Exact half steps go to the even byte.
    FractionCase{"HalfStepsDownToEven", 0.5 / 255, 128.5 / 255, 254.5 / 255, Rgb(0, 128, 254)},
    FractionCase{"HalfStepsUpToEven", 1.5 / 255, 127.5 / 255, 253.5 / 255, Rgb(2, 128, 254)},
    FractionCase{"AboveOneClamps", 1.001, 2.0, 1e300, 0xFFFFFF},
    FractionCase{"BelowZeroClamps", -0.001, -1.0, -1e300, 0x000000},
    FractionCase{"InfinitiesClamp", kInfinity, -kInfinity, 0.5, Rgb(255, 0, 128)},
    FractionCase{"NaNIsZero", kNaN, 1.0, kNaN, Rgb(0, 255, 0)}
), ByName());
// clang-format on

TEST(ColorFromFractions, EveryByteOverTwoHundredFiftyFiveComesBackAsItself) {
    for (int byte = 0; byte <= 255; ++byte) {
        ASSERT_EQ(PortalColorPicker::ColorFromFractions(byte / 255.0, (255 - byte) / 255.0, byte / 255.0),
                  Rgb(byte, 255 - byte, byte))
            << byte;
    }
}

// ----- Against a fake portal on a private session bus ------------------------------------------

struct Answer {
    Outcome outcome;
    OLE_COLOR color;
};

class PortalTest : public SessionBusTest {
protected:
    void Serve() { ASSERT_TRUE(portal.Register()); }

    // Waits until the picker has said whether it can pick.
    static void WaitUntilKnown(const PortalColorPicker& picker) {
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return picker.State() != Availability::Checking; }, kAnswerTimeoutMs));
    }
    void WaitForPickColor(int Count = 1) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return portal.requests.size() >= Count; }, kAnswerTimeoutMs));
    }
    void WaitUntilClosed(const QString& RequestPath) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return portal.closed.contains(RequestPath); }, kAnswerTimeoutMs))
            << RequestPath.toStdString();
    }

    // Picks once with a new picker and returns what it finished with.
    Answer PickOnce() {
        PortalColorPicker picker;
        return PickWith(picker);
    }
    static Answer PickWith(PortalColorPicker& picker) {
        QSignalSpy finished(&picker, &PortalColorPicker::Finished);
        picker.Pick(nullptr);
        EXPECT_TRUE(finished.wait(kAnswerTimeoutMs)) << "no answer";
        EXPECT_EQ(finished.size(), 1);
        if (finished.isEmpty()) {
            return {Outcome::Failed, -1};
        }
        return {finished.first().at(0).value<Outcome>(), finished.first().at(1).value<OLE_COLOR>()};
    }

    FakePortal portal;
};

TEST_F(PortalTest, AColourComesBackAsTheNearestBytes) {
    Serve();
    portal.AnswerColor(0.999, 0.5 / 255, 127.5 / 255);
    const Answer answer = PickOnce();
    EXPECT_EQ(answer.outcome, Outcome::Picked);
    EXPECT_EQ(answer.color, Rgb(255, 0, 128));
}

TEST_F(PortalTest, EachPickHasATokenOfItsOwnAndTheRequestPathFollowsFromIt) {
    Serve();
    portal.AnswerColor(0.0, 0.0, 1.0);
    PortalColorPicker picker;
    EXPECT_EQ(PickWith(picker).color, Rgb(0, 0, 255));
    EXPECT_EQ(PickWith(picker).color, Rgb(0, 0, 255));
    ASSERT_EQ(portal.requests.size(), 2);

    QString sender = QDBusConnection::sessionBus().baseService().mid(1);
    sender.replace('.', '_');
    for (const FakePortal::Request& request : portal.requests) {
        const QString token = request.options.value("handle_token").toString();
        EXPECT_FALSE(token.isEmpty());
        EXPECT_EQ(request.path, "/org/freedesktop/portal/desktop/request/" + sender + "/" + token);
        EXPECT_EQ(request.parentWindow, QString()); // no X11 window to name on this platform
    }
    EXPECT_NE(portal.requests[0].options.value("handle_token"),
              portal.requests[1].options.value("handle_token"));
}

TEST_F(PortalTest, TheStateIsKnownOnlyLaterAndPickingFirstWaitsForIt) {
    Serve();
    portal.AnswerColor(1.0, 1.0, 0.0);
    PortalColorPicker picker;
    EXPECT_EQ(picker.State(), Availability::Checking); // the version is not waited for
    const Answer answer = PickWith(picker);
    EXPECT_EQ(answer.outcome, Outcome::Picked);
    EXPECT_EQ(answer.color, Rgb(255, 255, 0));
    EXPECT_EQ(picker.State(), Availability::Available);
}

TEST_F(PortalTest, AResponseBeforeTheReplyIsNotLost) {
    Serve();
    portal.reply = FakePortal::Reply::ResponseFirst;
    portal.AnswerColor(0.0, 1.0, 0.0);
    EXPECT_EQ(PickOnce().color, Rgb(0, 255, 0));
}

TEST_F(PortalTest, APortalThatPutsTheRequestElsewhereIsFollowedThere) {
    Serve();
    portal.reply = FakePortal::Reply::OwnPath;
    portal.AnswerColor(0.0, 1.0, 1.0);
    EXPECT_EQ(PickOnce().color, Rgb(0, 255, 255));
}

struct ResponseCase {
    const char* name;
    uint response;
    QVariantMap results;
    Outcome expected;
};

class PortalResponseTest : public PortalTest, public testing::WithParamInterface<ResponseCase> {};

TEST_P(PortalResponseTest, EndsInTheOutcomeWithNoColour) {
    Serve();
    portal.AnswerResponse(GetParam().response, GetParam().results);
    const Answer answer = PickOnce();
    EXPECT_EQ(answer.outcome, GetParam().expected);
    EXPECT_EQ(answer.color, -1);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Responses, PortalResponseTest, testing::Values(
    ResponseCase{"Cancelled", 1, {}, Outcome::Cancelled},
    ResponseCase{"OtherError", 2, {}, Outcome::Failed},
    ResponseCase{"UnknownCode", 7, {}, Outcome::Failed},
    ResponseCase{"SuccessWithoutColour", 0, {}, Outcome::Failed},
    ResponseCase{"SuccessWithAColourOfAnotherType", 0, {{"color", QStringLiteral("red")}}, Outcome::Failed}
), ByName());
// clang-format on

TEST_F(PortalTest, VersionOneHasNoPickerAndIsNotAsked) {
    portal.version = 1;
    portal.hasPickColor = false;
    Serve();
    PortalColorPicker picker;
    WaitUntilKnown(picker);
    EXPECT_EQ(picker.State(), Availability::Unavailable);
    EXPECT_EQ(PickWith(picker).outcome, Outcome::Unavailable);
    EXPECT_TRUE(portal.requests.isEmpty());
}

TEST_F(PortalTest, NoPortalAtAllIsUnavailable) {
    PortalColorPicker picker;
    WaitUntilKnown(picker);
    EXPECT_EQ(picker.State(), Availability::Unavailable);
    EXPECT_EQ(PickWith(picker).outcome, Outcome::Unavailable);
}

TEST_F(PortalTest, AnUnavailablePickAnswersLaterNotFromInsidePick) {
    PortalColorPicker picker;
    WaitUntilKnown(picker);
    QSignalSpy finished(&picker, &PortalColorPicker::Finished);
    picker.Pick(nullptr);
    EXPECT_TRUE(finished.isEmpty());
    EXPECT_TRUE(finished.wait(kAnswerTimeoutMs));
}

TEST_F(PortalTest, APickColorThatIsMissingDespiteTheVersionIsUnavailable) {
    portal.hasPickColor = false;
    Serve();
    PortalColorPicker picker;
    EXPECT_EQ(PickWith(picker).outcome, Outcome::Unavailable);
    EXPECT_EQ(picker.State(), Availability::Unavailable);
}

TEST_F(PortalTest, ARefusedCallFailsAndTheNextPickTriesAgain) {
    portal.reply = FakePortal::Reply::Refuse;
    Serve();
    PortalColorPicker picker;
    EXPECT_EQ(PickWith(picker).outcome, Outcome::Failed);
    EXPECT_EQ(picker.State(), Availability::Available);

    portal.reply = FakePortal::Reply::Respond;
    portal.AnswerColor(1.0, 0.0, 1.0);
    EXPECT_EQ(PickWith(picker).color, Rgb(255, 0, 255));
}

// A pick whose answer the portal holds until the test releases it.
class HeldPickTest : public PortalTest {
protected:
    void StartHeldPick(double Red = 0.0, double Green = 0.0, double Blue = 0.0) {
        portal.reply = FakePortal::Reply::Hold;
        portal.AnswerColor(Red, Green, Blue);
        Serve();
        picker = std::make_unique<PortalColorPicker>();
        finished = std::make_unique<QSignalSpy>(picker.get(), &PortalColorPicker::Finished);
        picker->Pick(nullptr);
        WaitForPickColor();
    }

    std::unique_ptr<PortalColorPicker> picker;
    std::unique_ptr<QSignalSpy> finished;
};

TEST_F(HeldPickTest, TheAnswerComesWhenTheDesktopGivesIt) {
    StartHeldPick(0.25, 0.5, 0.75);
    // The picker waits without holding up the event loop: another event is served meanwhile.
    bool served = false;
    QTimer::singleShot(0, [&served] { served = true; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return served; }, kAnswerTimeoutMs));
    EXPECT_TRUE(finished->isEmpty());

    portal.Release();
    ASSERT_TRUE(finished->wait(kAnswerTimeoutMs));
    EXPECT_EQ(finished->first().at(1).value<OLE_COLOR>(), Rgb(64, 128, 191));
}

TEST_F(HeldPickTest, ASecondPickWhileOneIsOutstandingIsIgnored) {
    StartHeldPick();
    picker->Pick(nullptr);
    portal.Release();
    ASSERT_TRUE(finished->wait(kAnswerTimeoutMs));
    EXPECT_EQ(portal.requests.size(), 1);
}

TEST_F(HeldPickTest, CancelClosesTheRequestAndItsAnswerIsNotReported) {
    StartHeldPick(1.0, 0.0, 0.0);
    picker->Cancel();
    WaitUntilClosed(portal.requests[0].path);

    // A desktop that answers all the same is not heard: the next pick's answer is the only one.
    portal.Release();
    portal.reply = FakePortal::Reply::Respond;
    portal.AnswerColor(0.0, 0.0, 1.0);
    picker->Pick(nullptr);
    ASSERT_TRUE(finished->wait(kAnswerTimeoutMs));
    ASSERT_EQ(finished->size(), 1);
    EXPECT_EQ(finished->first().at(1).value<OLE_COLOR>(), Rgb(0, 0, 255));
}

TEST_F(HeldPickTest, APickerThatGoesAwayClosesItsRequest) {
    StartHeldPick();
    finished.reset();
    picker.reset();
    WaitUntilClosed(portal.requests[0].path);
}

TEST_F(PortalTest, ACancelBeforeTheReplyStillClosesTheRequest) {
    portal.reply = FakePortal::Reply::OwnPath; // known only from the reply
    portal.AnswerColor(1.0, 0.0, 0.0);
    Serve();
    PortalColorPicker picker;
    WaitUntilKnown(picker);
    QSignalSpy finished(&picker, &PortalColorPicker::Finished);
    picker.Pick(nullptr);
    picker.Cancel();
    WaitForPickColor();
    WaitUntilClosed(portal.requests[0].path);
    EXPECT_TRUE(finished.isEmpty());
}

TEST_F(PortalTest, APortalIsPresentOnlyWhileItHoldsItsName) {
    EXPECT_FALSE(PortalColorPicker::PortalPresent(QDBusConnection::sessionBus()));
    Serve();
    EXPECT_TRUE(PortalColorPicker::PortalPresent(QDBusConnection::sessionBus()));
}

TEST(PortalWithoutBus, ADisconnectedBusIsUnavailableAtOnce) {
    const PortalColorPicker picker(QDBusConnection(QStringLiteral("tintrix-never-connected")));
    EXPECT_EQ(picker.State(), Availability::Unavailable);
    EXPECT_FALSE(
        PortalColorPicker::PortalPresent(QDBusConnection(QStringLiteral("tintrix-never-connected"))));
}

} // namespace
