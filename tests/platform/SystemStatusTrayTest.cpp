#include <gtest/gtest.h>

#include <QAction>

#include "platform/SystemStatusTray.h"

namespace tundle {
namespace {

TEST(SystemStatusTrayTest, MenuIsRebuiltFromTheEntriesEachTimeItOpens) {
    SystemStatusTray tray;
    QString title = "显示桌宠";
    int runs = 0;
    tray.show([&] {
        return std::vector<TrayMenuEntry>{
            {title, {}, [&runs] { ++runs; }}, {}, {"退出糯墩", QKeySequence("Ctrl+Q"), [] {}}};
    });
    title = "隐藏桌宠";
    emit tray.menu().aboutToShow();
    const QList<QAction*> actions = tray.menu().actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[0]->text(), "隐藏桌宠");
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_EQ(actions[2]->shortcut(), QKeySequence("Ctrl+Q"));
    actions[0]->trigger();
    EXPECT_EQ(runs, 1);
}

}  // namespace
}  // namespace tundle
