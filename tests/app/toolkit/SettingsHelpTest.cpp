#include <gtest/gtest.h>

#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

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

namespace {

// Presses and releases the left button at `widget`'s centre as the window system would, so an
// open popup sees the press first.
void clickThroughWindow(QWidget& widget) {
    QWindow* window = widget.window()->windowHandle();
    const QPoint at = window->mapFromGlobal(widget.mapToGlobal(widget.rect().center()));
    QTest::mousePress(window, Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
    QTest::mouseRelease(window, Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
}

}  // namespace

TEST(SettingsHelpTest, APressOutsideAPopoverReachesTheControlUnderItButNotItsOwnButton) {
    QWidget page;
    auto* layout = new QHBoxLayout(&page);
    auto* sound = new SettingsHelp(QStringLiteral("音效"), QStringLiteral("声音。"));
    auto* motion = new SettingsHelp(QStringLiteral("减少动态效果"), QStringLiteral("停下动画。"));
    auto* other = new QPushButton(QStringLiteral("别处"));
    int otherClicks = 0;
    QObject::connect(other, &QPushButton::clicked, [&otherClicks] { ++otherClicks; });
    layout->addWidget(sound);
    layout->addWidget(motion);
    layout->addWidget(other);
    page.setGeometry(100, 500, 300, 60);
    page.show();
    page.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));

    clickThroughWindow(*sound);
    ASSERT_TRUE(sound->presented());
    clickThroughWindow(*motion);
    EXPECT_FALSE(sound->presented()) << "the first popover closes";
    EXPECT_TRUE(motion->presented()) << "the same press opens the second one";

    clickThroughWindow(*other);
    EXPECT_FALSE(motion->presented());
    EXPECT_EQ(otherClicks, 1) << "any control under the press gets it";

    clickThroughWindow(*sound);
    ASSERT_TRUE(sound->presented());
    clickThroughWindow(*sound);
    EXPECT_FALSE(sound->presented()) << "its own button closes it and does not open it again";
    EXPECT_FALSE(sound->popover()->isVisible());
}

}  // namespace tundle
