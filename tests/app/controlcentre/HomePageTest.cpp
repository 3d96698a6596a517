#include "controlcentre/HomePage.h"

#include <gtest/gtest.h>

#include <QMenu>
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
