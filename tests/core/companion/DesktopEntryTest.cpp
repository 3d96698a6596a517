#include "companion/DesktopEntry.h"

#include <gtest/gtest.h>

namespace tundle {
namespace {

TEST(DesktopEntry, TheCommandLosesItsFieldCodesAndKeepsItsQuoting) {
    const DesktopEntry entry = DesktopEntry::parse(
        "[Desktop Action New]\nExec=wrong\n"
        "[Desktop Entry]\n# comment\nName=Editor\n"
        "Exec=\"/opt/my editor/bin\" --title=\"a \\\\\"b\\\\\"\" %U --rate=100%% -x%f\n"
        "Path=/srv/work\nIcon=accessories-text-editor\n"
        "[Other]\nIcon=wrong\n");
    EXPECT_EQ(entry, (DesktopEntry{.program = "/opt/my editor/bin",
                                   .arguments = {"--title=a \"b\"", "--rate=100%", "-x"},
                                   .workingDirectory = "/srv/work",
                                   .icon = "accessories-text-editor"}));
}

}  // namespace
}  // namespace tundle
