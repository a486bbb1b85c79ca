#include <gtest/gtest.h>

#include "app/PlatformChoiceLinux.h"

namespace fallox::test {
namespace {

struct Session {
    const char* what;
    SessionEnvironment environment;
    const char* platform;  // "" leaves the choice to Qt
};

const Session Sessions[] = {
    {"Wayland session with XWayland", {"wayland", "wayland-0", ":0", ""}, "xcb;wayland"},
    {"Wayland socket alone marks the session", {"", "wayland-0", ":1", ""}, "xcb;wayland"},
    {"session type alone marks the session", {"wayland", "", ":0", ""}, "xcb;wayland"},
    {"Wayland socket in a session that calls itself X11", {"x11", "wayland-1", ":0", ""}, "xcb;wayland"},
    {"Wayland without XWayland runs natively", {"wayland", "wayland-0", "", ""}, ""},
    {"player chose Wayland", {"wayland", "wayland-0", ":0", "wayland"}, ""},
    {"player chose a list", {"wayland", "wayland-0", ":0", "wayland;xcb"}, ""},
    {"player chose offscreen", {"wayland", "wayland-0", ":0", "offscreen"}, ""},
    {"X11 session", {"x11", "", ":0", ""}, ""},
    {"X server without a session manager", {"", "", ":42", ""}, ""},
    {"text console", {"tty", "", "", ""}, ""},
    {"nothing set", {"", "", "", ""}, ""},
};

TEST(PlatformChoice, XWaylandFirstOnlyInAWaylandSessionNamingAnXServerAndNoChoiceOfThePlayer)
{
    for (const Session& session : Sessions) {
        EXPECT_EQ(ChoosePlatform(session.environment), session.platform) << session.what;
    }
}

}  // namespace
}  // namespace fallox::test
