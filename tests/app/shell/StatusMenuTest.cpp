#include <gtest/gtest.h>

#include <QStringList>

#include "shell/StatusMenu.h"

namespace tundle {
namespace {

QStringList titles(const std::vector<StatusMenuItem>& items) {
    QStringList result;
    for (const StatusMenuItem& item : items) {
        result << (item.action ? item.title : QStringLiteral("—"));
    }
    return result;
}

TEST(StatusMenuTest, TitlesInOrderFollowPetAndFarm) {
    EXPECT_EQ(titles(StatusMenu::items(true, true)),
              (QStringList{"打开糯墩", "房间设置", "剪贴板历史", "—", "隐藏桌宠", "收起桌面农场",
                           "回到主屏幕", "—", "检查软件更新…", "检查动作更新", "—", "退出糯墩"}));
    const QStringList hidden = titles(StatusMenu::items(false, false));
    EXPECT_EQ(hidden[4], "显示桌宠");
    EXPECT_EQ(hidden[5], "展开桌面农场");

    const std::vector<StatusMenuItem> items = StatusMenu::items(true, false);
    for (std::size_t i = 0; i + 1 < items.size(); ++i) {
        EXPECT_TRUE(items[i].shortcut.isEmpty()) << i;
    }
    EXPECT_EQ(items.back().shortcut, QKeySequence(Qt::CTRL | Qt::Key_Q));
}

}  // namespace
}  // namespace tundle
