#include <gtest/gtest.h>

#include "drawing/YUpSpace.h"
#include "farm/FarmControls.h"
#include "pet/PetPanel.h"
#include "support/ModelTestWorld.h"
#include "support/PaintCounter.h"
#include "support/RunUntil.h"

namespace tundle {
namespace {

using test::PaintCounter;

TEST(PetCanvasFarmTest, TheCanvasDrawsTheFarmAndItsButtonsSendThePetToWork) {
    test::ModelTestWorld world;
    std::unique_ptr<AppModel> model = world.model();
    model->setFarmVisible(true);
    FarmStore& farm = model->farm();
    PetPanel panel(
        *model, farm,
        {[&world] { return world.scheduler.now(); }, [&world] { return world.scheduler.elapsed; }});
    panel.setGeometry(100, 80, 444, 600);
    panel.show();
    PetCanvas& canvas = panel.canvas();
    canvas.tick();

    // The panel's green shows beside the pet, left of the sprite.
    const YUpSpace space(canvas.height());
    const QRectF scene = canvas.farmSceneRect();
    const QImage image = canvas.grab().toImage();
    const QPoint corner = space.toQt(QPointF(scene.x() + 8, scene.y() + 30)).toPoint();
    EXPECT_GT(qGreen(image.pixel(corner)), qRed(image.pixel(corner)));
    EXPECT_FALSE(canvas.farmArtwork().images().empty());

    // Select plot 4, then loosen it from its button.
    const QPointF plot = canvas.plotRects()[4].center();
    EXPECT_TRUE(canvas.farmMousePressed(plot));
    EXPECT_TRUE(canvas.farmMouseReleased(plot));
    EXPECT_EQ(canvas.farmPointer().selected, 4);
    const std::vector<FarmInlineButton> buttons = canvas.farmInlineButtons();
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_EQ(canvas.farmInlineAction(buttons[0].rect.center()), FarmInlineAction::loosen());
    canvas.farmMouseMoved(buttons[0].rect.center());
    EXPECT_EQ(canvas.cursor().shape(), Qt::PointingHandCursor);
    canvas.farmMousePressed(buttons[0].rect.center());
    canvas.farmMouseReleased(buttons[0].rect.center());
    EXPECT_EQ(model->farmMoveToPlot(), 4);
    world.scheduler.advance(AppModel::farmWalkSeconds);
    EXPECT_TRUE(farm.plots()[4].tilled);
    ASSERT_TRUE(model->farmFeedback());

    // The label's fade-in is not in the paint key: one more paint follows when it ends.
    PaintCounter counter;
    canvas.installEventFilter(&counter);
    canvas.tick();
    ASSERT_TRUE(test::runUntil([&] { return counter.paints >= 1; }));
    ASSERT_TRUE(test::runUntil([&] { return counter.paints >= 2; }));
    canvas.farmMouseMoved(std::nullopt);
    EXPECT_EQ(canvas.cursor().shape(), Qt::ArrowCursor);
    // A press beside the farm is left to the pet's drag.
    EXPECT_FALSE(canvas.farmMousePressed({scene.right() + 5, 5}));
}

}  // namespace
}  // namespace tundle
