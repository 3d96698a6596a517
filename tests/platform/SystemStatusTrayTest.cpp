#include <gtest/gtest.h>

#include <QAction>

#include "LeafIcon.h"
#include "SystemStatusTray.h"

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

TEST(SystemStatusTrayTest, LeafIsDrawnAtEverySize) {
    for (const int side : {16, 64}) {
        const QImage leaf = LeafIcon::draw(side);
        EXPECT_EQ(leaf.pixelColor(0, 0).alpha(), 0);
        const QColor middle = leaf.pixelColor(side * 5 / 8, side * 9 / 16);
        EXPECT_GT(middle.alpha(), 240);
        EXPECT_GT(middle.green(), middle.red());
    }
}

}  // namespace
}  // namespace tundle
