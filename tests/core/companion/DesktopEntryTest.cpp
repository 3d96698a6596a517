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
                                   .icon = "accessories-text-editor",
                                   .name = "Editor"}));
}

TEST(DesktopEntry, TheNameFollowsTheChineseLocaleBeforeTheDefault) {
    EXPECT_EQ(DesktopEntry::parse("[Desktop Entry]\nName=Files\nName[zh]=文件\n"
                                  "Name[zh_CN]=文件管理\nName[zh_TW]=檔案\n")
                  .name,
              "文件管理");
    EXPECT_EQ(
        DesktopEntry::parse("[Desktop Entry]\nName[zh_TW]=檔案\nName[zh]=文件\nName=Files\n").name,
        "文件");
    // A modifier or another country never fits zh_CN; the untranslated name does.
    EXPECT_EQ(DesktopEntry::parse("[Desktop Entry]\nName[zh_CN@latin]=Wenjian\n"
                                  "Name[zh_HK]=檔案\nName=Files\nName[en]=Files (en)\n")
                  .name,
              "Files");
    // Names of actions and other groups are not the application's.
    EXPECT_EQ(DesktopEntry::parse("[Desktop Action New]\nName[zh_CN]=新窗口\n[Desktop Entry]\n"
                                  "Exec=files\n")
                  .name,
              "");
    EXPECT_EQ(DesktopEntry::parse("[Desktop Entry]\nName[zh_CN]=第一\nName[zh_CN]=第二\n").name,
              "第一");
}

}  // namespace
}  // namespace tundle
