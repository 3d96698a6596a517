#include "controlcentre/HomePage.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QPainterPath>
#include <QTest>

#include "controlcentre/ActionGrid.h"
#include "controlcentre/ReminderCard.h"
#include "controlcentre/RoomPreview.h"
#include "drawing/PictureCache.h"
#include "editors/RoomSettingsEntry.h"
#include "pet/PetCanvas.h"
#include "pet/PetPreview.h"
#include "support/FakeSessionEvents.h"
#include "support/ModelTestWorld.h"
#include "toolkit/StyledButton.h"

namespace tundle {
namespace {

class HomePageTest : public ::testing::Test {
protected:
    HomePageTest() : model(world.model()) {
        page = std::make_unique<HomePage>(*model, session, pictures, Calendar(QTimeZone::utc()));
        page->resize(820, 900);
        page->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(page.get()));
    }

    test::ModelTestWorld world;
    std::unique_ptr<AppModel> model;
    test::FakeSessionEvents session;
    PictureCache pictures{[this] { return world.scheduler.elapsed; }};
    std::unique_ptr<HomePage> page;
};

TEST_F(HomePageTest, PreviewGrowsOnlyForATallBubble) {
    EXPECT_EQ(RoomPreview::heightFor(0), 400);
    EXPECT_EQ(RoomPreview::heightFor(58), 400);
    EXPECT_EQ(RoomPreview::heightFor(100), 442);

    RoomPreview& room = page->room();
    EXPECT_EQ(room.width(), RoomPreview::previewWidth);
    model->say({.message = QString(QStringLiteral("一句很长很长的话，")).repeated(12),
                .detail = QString(QStringLiteral("还有更多的细节。")).repeated(6),
                .duration = 30});
    EXPECT_GT(room.height(), RoomPreview::minimumHeight);
    model->dismissBubble();
    EXPECT_EQ(room.height(), RoomPreview::minimumHeight);
}

TEST_F(HomePageTest, PreviewTakesClicksOnThePetAndItsRoomBarOnly) {
    RoomPreview& room = page->room();
    PetCanvas& canvas = room.pet().canvas();
    model->dismissBubble();
    const QString idle = model->animation();

    // A transparent spot of the room (bottom-left, beside the pet) does nothing.
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, QPoint(4, canvas.height() - 4));
    EXPECT_EQ(model->animation(), idle);
    EXPECT_TRUE(model->bubble().isEmpty());

    // The pet's body answers a click.
    const QRectF sprite = canvas.spriteRect();
    const QPoint body(int(sprite.center().x()), int(canvas.height() - sprite.center().y()));
    ASSERT_TRUE(canvas.interactiveHit(body));
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, body);
    EXPECT_NE(model->animation(), idle);
    EXPECT_FALSE(model->bubble().isEmpty());

    // The room bar lies over the preview and keeps its own clicks.
    StyledButton& settings = room.entry().settingsButton();
    QTest::mouseClick(&settings, Qt::LeftButton);
    EXPECT_TRUE(model->roomSettingsPresented());
    EXPECT_EQ(room.accessibleName(), "房间里的糯墩，点击互动");
}

// Whether `widget` is `ancestor` or lies inside it.
bool within(const QWidget* widget, const QWidget& ancestor) {
    return widget && (widget == &ancestor || ancestor.isAncestorOf(widget));
}

TEST_F(HomePageTest, ABubbleInThePreviewLiesOverTheRoomBar) {
    RoomPreview& room = page->room();
    PetCanvas& canvas = room.pet().canvas();
    RoomSettingsEntry& bar = room.entry();
    const std::vector<SpeechBubble> bubbles{
        {.message = QStringLiteral("你好呀，我是糯墩。"), .duration = 30},
        {.message = QStringLiteral("喝口水，再慢慢来。"),
         .detail = QStringLiteral("已经坐了 45 分钟"),
         .actionTitle = QStringLiteral("喝过啦"),
         .secondaryTitle = QStringLiteral("5 分钟后")},
    };
    for (const SpeechBubble& bubble : bubbles) {
        model->say(bubble);
        QCoreApplication::processEvents();
        // The canvas fills the preview: its coordinates are the preview's.
        ASSERT_EQ(canvas.mapTo(&room, QPoint()), QPoint());
        const QPainterPath outline = canvas.bubbleOutline();
        ASSERT_TRUE(outline.intersects(QRectF(bar.geometry()))) << "the bubble rises to the bar";

        // Inside the bubble the bar neither takes a press nor changes a pixel.
        const QImage shown = room.grab().toImage();
        bar.hide();
        const QImage withoutBar = room.grab().toImage();
        bar.show();
        int inside = 0;
        int covered = 0;
        int pressedOnBar = 0;
        for (int y = 0; y < bar.height(); ++y) {
            for (int x = 0; x < room.width(); ++x) {
                const QPointF centre(x + 0.5, y + 0.5);
                // Antialiased rims are left out.
                if (!outline.contains(QRectF(centre - QPointF(1.5, 1.5), QSizeF(3, 3)))) {
                    continue;
                }
                ++inside;
                covered += shown.pixel(x, y) != withoutBar.pixel(x, y) ? 1 : 0;
                pressedOnBar += within(room.childAt(x, y), bar) ? 1 : 0;
            }
        }
        EXPECT_GT(inside, 200) << qPrintable(bubble.message);
        EXPECT_EQ(covered, 0) << qPrintable(bubble.message);
        EXPECT_EQ(pressedOnBar, 0) << qPrintable(bubble.message);
    }

    // Beside a short greeting, and once the bubble is gone, the bar keeps its presses.
    model->say(bubbles[0]);
    QCoreApplication::processEvents();
    const QPoint summary = bar.summaryButton().geometry().topLeft() + QPoint(4, 10);
    ASSERT_FALSE(canvas.bubbleOutline().contains(QPointF(summary)));
    EXPECT_TRUE(within(room.childAt(summary), bar));
    model->dismissBubble();
    QCoreApplication::processEvents();
    const QPoint middle = bar.rect().center();
    EXPECT_TRUE(within(room.childAt(middle), bar));
}

TEST_F(HomePageTest, ActionGridRestsWhileBreathingOrMotionIsReduced) {
    ActionGrid& grid = page->actions();
    ASSERT_FALSE(grid.cells().empty());
    EXPECT_TRUE(grid.isEnabled());

    model->presentBreathing();
    EXPECT_FALSE(grid.isEnabled());
    EXPECT_TRUE(page->room().entry().isEnabled()) << "the room stays usable";
    EXPECT_TRUE(page->room().pet().isEnabled());
    model->setBreathingPresented(false);
    EXPECT_TRUE(grid.isEnabled());

    model->setReduceMotion(true);
    EXPECT_FALSE(grid.isEnabled());
    model->setReduceMotion(false);
    EXPECT_TRUE(grid.isEnabled());

    // A tile plays its clip once.
    grid.cells().front()->click();
    EXPECT_NE(model->animation(), QStringLiteral("idle"));
}

TEST_F(HomePageTest, ActionGridShowsTitlesAsWrittenTilesHugAndMenusFill) {
    ActionGrid& grid = page->actions();
    const PetAssets::Action rock{QStringLiteral("rock"), QStringLiteral("摇&摆"), std::nullopt};
    const PetAssets::Action spin{QStringLiteral("spin"), QStringLiteral("转圈"), std::nullopt};
    const PetAssets::ActionGroup dances{
        QStringLiteral("dances"),
        QStringLiteral("跳舞 & 唱歌"),
        {{QStringLiteral("harvest"), QStringLiteral("A&B"), QStringLiteral("dances")}}};

    grid.setActions({rock, spin}, {dances});
    ASSERT_EQ(grid.cells().size(), 3u);
    StyledButton& tile = *grid.cells()[0];
    StyledButton& menuCell = *grid.cells()[2];
    EXPECT_EQ(tile.accessibleName(), "摇&摆");
    EXPECT_EQ(tile.text(), "摇&&摆") << "a lone & would become a mnemonic and vanish";
    EXPECT_EQ(menuCell.text(), "跳舞 && 唱歌");
    QMenu* menu = grid.menuOf(&menuCell);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions().front()->text(), "A&&B");
    EXPECT_EQ(grid.menuOf(&tile), nullptr);

    grid.resize(300, grid.heightForWidth(300));
    const int columns = ActionGrid::columns(300);
    EXPECT_EQ(columns, 3);
    const int cell = (300 - (columns - 1) * ActionGrid::columnSpacing) / columns;
    EXPECT_EQ(tile.width(), tile.sizeHint().width()) << "a tile hugs its title";
    EXPECT_EQ(menuCell.width(), cell) << "a menu fills its cell";

    menu->actions().front()->trigger();
    EXPECT_EQ(model->animation(), QStringLiteral("harvest"));

    grid.setActions({}, {dances});
    ASSERT_EQ(grid.cells().size(), 1u);
    EXPECT_NE(grid.menuOf(grid.cells().front()), nullptr);
    grid.setActions({}, {});
    EXPECT_TRUE(grid.cells().empty());
    EXPECT_EQ(grid.heightForWidth(300), 0);
}

TEST_F(HomePageTest, WaterCardSitsLeftOfTheMovementCardInAnEqualShare) {
    ReminderCard& water = page->waterCard();
    ReminderCard& movement = page->movementCard();
    EXPECT_EQ(water.kind(), ReminderKind::water);
    EXPECT_EQ(movement.kind(), ReminderKind::movement);
    EXPECT_LT(water.mapTo(page.get(), QPoint()).x(), movement.mapTo(page.get(), QPoint()).x());
    EXPECT_NEAR(water.width(), movement.width(), 1);
    EXPECT_EQ(page->room().width(), HomePage::rightColumnWidth);
}

}  // namespace
}  // namespace tundle
