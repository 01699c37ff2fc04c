#include "platform/PickingBackend.h"

#include "support/ByName.h"

#include <QString>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace {

using Platform::ChoosePickingBackend;
using Platform::PickingBackend;

struct SessionCase {
    const char* name;
    const char* platform;
    bool screenReadable;
    bool portalPresent;
    PickingBackend expected;
    bool asksScreen; // whether the choice has to read the screen
    bool asksPortal; // whether the choice has to ask the session bus
};

class ChoosePickingBackendTest : public testing::TestWithParam<SessionCase> {};

TEST_P(ChoosePickingBackendTest, ChoosesByPlatformAndAsksOnlyWhatDecides) {
    const SessionCase& session = GetParam();
    int screenAsked = 0;
    int portalAsked = 0;
    const PickingBackend chosen = ChoosePickingBackend(
        QString::fromLatin1(session.platform),
        [&] {
            ++screenAsked;
            return session.screenReadable;
        },
        [&] {
            ++portalAsked;
            return session.portalPresent;
        });
    EXPECT_EQ(chosen, session.expected);
    EXPECT_EQ(screenAsked > 0, session.asksScreen);
    EXPECT_EQ(portalAsked > 0, session.asksPortal);
}

constexpr auto kScreen = PickingBackend::ScreenReading;
constexpr auto kStill = PickingBackend::StillImage;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Sessions, ChoosePickingBackendTest, testing::Values(
    // X11 reads the screen where it can, and never talks to a portal; XWayland refuses.
    SessionCase{"X11", "xcb", true, true, kScreen, true, false},
    SessionCase{"X11Unreadable", "xcb", false, false, kStill, true, false},
    // Wayland goes through the portal, also when there is none: the user is told then.
    SessionCase{"Wayland", "wayland", false, true, kStill, false, false},
    SessionCase{"WaylandWithoutPortal", "wayland", false, false, kStill, false, false},
    SessionCase{"WaylandEgl", "wayland-egl", false, true, kStill, false, false},
    // Elsewhere the portal only helps where the screen cannot be read.
    SessionCase{"OtherReadable", "eglfs", true, true, kScreen, true, false},
    SessionCase{"OtherUnreadableWithPortal", "offscreen", false, true, kStill, true, true},
    SessionCase{"OtherUnreadableWithoutPortal", "offscreen", false, false, kScreen, true, true}
), ByName());
// clang-format on

} // namespace
