#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>

#include "shell/ControlCenterWindow.h"

namespace tundle {
namespace {

TEST(ControlCenterWindowTest, ClosingOnlyHidesAndPresentingShowsTheSameWindow) {
    ControlCenterWindow window;
    EXPECT_EQ(window.windowTitle(), "糯墩 · 桌面小伙伴");
    EXPECT_EQ(window.size(), QSize(1020, 700));
    EXPECT_EQ(window.minimumSize(), QSize(940, 660));

    window.present();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
    window.present();
    EXPECT_TRUE(window.isVisible());

    QPointer<QLabel> first = new QLabel("a");
    window.setPage(first);
    window.setPage(new QLabel("b"));
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(window.findChildren<QLabel*>().size(), 1);
}

}  // namespace
}  // namespace tundle
