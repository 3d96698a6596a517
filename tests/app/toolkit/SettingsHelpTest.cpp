#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "toolkit/Popover.h"
#include "toolkit/SettingsHelp.h"

namespace tundle {

TEST(SettingsHelpTest, TheWholeSquareTogglesThePopover) {
    SettingsHelp help(QStringLiteral("音效"), QStringLiteral("打开后，糯墩互动时会发出声音。"));
    help.show();
    EXPECT_EQ(help.toolTip(), QStringLiteral("音效说明"));
    EXPECT_EQ(help.accessibleName(), QStringLiteral("音效说明"));
    EXPECT_EQ(help.size(), QSize(24, 24));
    EXPECT_FALSE(help.presented());

    QTest::mouseClick(&help, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_TRUE(help.presented()) << "a click beside the glyph still counts";
    ASSERT_TRUE(help.popover());
    EXPECT_TRUE(help.popover()->isVisible());
    EXPECT_EQ(help.popover()->width(), SettingsHelp::popoverWidth);

    help.click();
    EXPECT_FALSE(help.presented());
    EXPECT_FALSE(help.popover()->isVisible());

    help.click();
    EXPECT_TRUE(help.presented());
    help.popover()->hide();
    EXPECT_FALSE(help.presented()) << "closed by the platform, the next click opens again";
    help.click();
    EXPECT_TRUE(help.presented());
    help.click();
}

TEST(SettingsHelpTest, LongMessagesGrowDownAndEmptyTitlesReadAsHelp) {
    SettingsHelp untitled({}, QStringLiteral("短"));
    EXPECT_EQ(untitled.toolTip(), QStringLiteral("说明"));
    const int shortHeight = untitled.preparedPopover().height();

    SettingsHelp wordy(QStringLiteral("配置"),
                       QStringLiteral("糯墩会在这里解释这个设置的用处。").repeated(12));
    const QSize size = wordy.preparedPopover().size();
    EXPECT_EQ(size.width(), 300);
    EXPECT_GT(size.height(), shortHeight + 40) << "every line of the message is shown";
}

TEST(SettingsHelpTest, PopoversSitBelowTheirAnchorUnlessThereIsNoRoom) {
    const QRect screen(0, 0, 1440, 900);
    const Popover::Placement below = Popover::place(QRect(100, 100, 24, 24), {300, 200}, screen);
    EXPECT_TRUE(below.arrowOnTop);
    EXPECT_EQ(below.topLeft, QPoint(6, 124)) << "kept on the screen";
    EXPECT_DOUBLE_EQ(below.arrowX, 105);

    const Popover::Placement above = Popover::place(QRect(700, 800, 24, 24), {300, 200}, screen);
    EXPECT_FALSE(above.arrowOnTop);
    EXPECT_EQ(above.topLeft, QPoint(561, 600));
    EXPECT_DOUBLE_EQ(above.arrowX, 150);
}

}  // namespace tundle
