#include <gtest/gtest.h>

#include "platform/WindowSystemChoice.h"

namespace tundle {
namespace {

QProcessEnvironment environmentOf(std::initializer_list<std::pair<QString, QString>> variables) {
    QProcessEnvironment environment;
    for (const auto& [name, value] : variables) {
        environment.insert(name, value);
    }
    return environment;
}

TEST(WindowSystemChoiceTest, WaylandSessionRunsThroughXWaylandUnlessTheUserChose) {
    EXPECT_EQ(WindowSystemChoice::forEnvironment(
                  environmentOf({{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}})),
              "xcb");
    // The user's own choice stands, Wayland included.
    EXPECT_EQ(
        WindowSystemChoice::forEnvironment(environmentOf(
            {{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}, {"QT_QPA_PLATFORM", "wayland"}})),
        "");
    // Without XWayland there is no X server to go to.
    EXPECT_EQ(WindowSystemChoice::forEnvironment(environmentOf({{"WAYLAND_DISPLAY", "wayland-0"}})),
              "");
    EXPECT_EQ(WindowSystemChoice::forEnvironment(
                  environmentOf({{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ""}})),
              "");
    // A plain X session and a machine without a display keep Qt's own choice.
    EXPECT_EQ(WindowSystemChoice::forEnvironment(environmentOf({{"DISPLAY", ":0"}})), "");
    EXPECT_EQ(WindowSystemChoice::forEnvironment(QProcessEnvironment()), "");
}

}  // namespace
}  // namespace tundle
