#include <gtest/gtest.h>

#include <QPainter>

#include "drawing/YUpSpace.h"
#include "farm/FarmControls.h"
#include "pet/PetPanel.h"
#include "support/FarmPanelScene.h"
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
    test::FarmPanelScene shown(world, *model);
    PetCanvas& canvas = shown.canvas();

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

// The share of pixels inside `rect` (y-up canvas points) that differ between two pictures.
double changedShare(const QImage& one, const QImage& other, const YUpSpace& space,
                    const QRectF& rect) {
    const QRect area = space.toQt(rect).toAlignedRect().intersected(one.rect());
    int changed = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            changed += one.pixel(x, y) != other.pixel(x, y) ? 1 : 0;
        }
    }
    return area.isEmpty() ? 0 : double(changed) / (area.width() * area.height());
}

// The farm shown, plot 4 just loosened and the pet standing at it.
class PetAtALoosenedPlotTest : public ::testing::Test {
protected:
    static std::unique_ptr<AppModel> farmShown(test::ModelTestWorld& world) {
        std::unique_ptr<AppModel> model = world.model();
        model->setFarmVisible(true);
        return model;
    }

    void SetUp() override {
        scene.loosen(4);
        ASSERT_EQ(model->farmPetPlot(), 4) << "the pet stands beside the plot";
    }

    test::ModelTestWorld world;
    std::unique_ptr<AppModel> model = farmShown(world);
    test::FarmPanelScene scene{world, *model};
    PetCanvas& canvas = scene.canvas();
};

TEST_F(PetAtALoosenedPlotTest, LeavesEverySeedButtonVisible) {
    const std::vector<FarmInlineButton> seeds = canvas.farmInlineButtons();
    ASSERT_EQ(seeds.size(), 3u) << "the tilled plot offers three seeds";

    const YUpSpace space(canvas.height());
    const QImage withButtons = canvas.grab().toImage();
    // Pressing the plot again above its buttons hides them; the pet stays where it is.
    const QRectF plotRect = canvas.plotRects()[4];
    const QPointF above(plotRect.center().x(), plotRect.y() + plotRect.height() - 2);
    scene.click(above);
    ASSERT_TRUE(canvas.farmInlineButtons().empty());
    ASSERT_EQ(model->farmPetPlot(), 4);
    const QImage without = canvas.grab().toImage();
    for (const FarmInlineButton& seed : seeds) {
        EXPECT_GT(changedShare(withButtons, without, space, seed.rect), 0.75)
            << qPrintable(seed.title) << " is drawn over the pet";
        EXPECT_EQ(canvas.farmInlineAction(seed.rect.center()), std::nullopt);
    }
    scene.click(above);
    for (const FarmInlineButton& seed : seeds) {
        EXPECT_EQ(canvas.farmInlineAction(seed.rect.center()), seed.action)
            << qPrintable(seed.title) << " takes the press";
    }
}

// Of the label's white pixels inside `area` (device pixels), how many `picture` shows white, and
// how many there are.
std::pair<int, int> labelPixelsShown(const QImage& label, const QImage& picture, QRect area) {
    int shown = 0;
    int solid = 0;
    area = area.intersected(label.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            // The letters' own white, which the pale pet never is.
            const QRgb drawn = label.pixel(x, y);
            if (qAlpha(drawn) == 255 &&
                std::min({qRed(drawn), qGreen(drawn), qBlue(drawn)}) >= 245) {
                ++solid;
                const QRgb seen = picture.pixel(x, y);
                shown += std::min({qRed(seen), qGreen(seen), qBlue(seen)}) >= 240 ? 1 : 0;
            }
        }
    }
    return {shown, solid};
}

TEST_F(PetAtALoosenedPlotTest, SeesTheFeedbackLabelDrawnOverThePet) {
    ASSERT_TRUE(model->farmFeedback());
    ASSERT_EQ(model->farmFeedback()->title, QStringLiteral("松土完成"));
    ASSERT_EQ(FarmControls::feedbackAlpha(*model->farmFeedback(), world.scheduler.now()), 1.0);

    // The label alone, where the canvas draws it.
    const YUpSpace space(canvas.height());
    QImage label(canvas.size(), QImage::Format_ARGB32_Premultiplied);
    label.fill(Qt::transparent);
    QPainter painter(&label);
    FarmControls::drawFeedback(painter, space, model->farm().scale(), *model->farmFeedback(),
                               FarmLayout::plotCentre(canvas.farmSceneRect(), 4),
                               world.scheduler.now());
    painter.end();
    const QRect pet = space.toQt(canvas.spriteRect()).toAlignedRect();

    // White letters over the pale pet read only with the halo that sets them off.
    QImage pale(canvas.size(), QImage::Format_ARGB32_Premultiplied);
    pale.fill(QColor(253, 244, 226));
    QPainter palePainter(&pale);
    palePainter.drawImage(0, 0, label);
    palePainter.end();
    int dark = 0;
    for (int y = pet.top(); y <= pet.bottom(); ++y) {
        for (int x = pet.left(); x <= pet.right(); ++x) {
            dark += qGray(pale.pixel(x, y)) < 150 ? 1 : 0;
        }
    }
    EXPECT_GT(dark, 60) << "the label has no edge darker than the pet";

    // With the plot's seeds offered, and after the plot is let go, when the settled pet's
    // frames are copied from pictures of its region.
    const auto [shown, solid] = labelPixelsShown(label, canvas.grab().toImage(), pet);
    EXPECT_GT(solid, 12) << "the label lies across the pet";
    EXPECT_EQ(shown, solid);

    const QRectF plot = canvas.plotRects()[4];
    scene.click({plot.center().x(), plot.y() + plot.height() - 2});
    ASSERT_TRUE(canvas.farmInlineButtons().empty());
    canvas.tick();
    QCoreApplication::processEvents();
    const QRect region = canvas.spriteRegion().intersected(canvas.rect());
    QImage settled(canvas.size(), QImage::Format_ARGB32_Premultiplied);
    settled.fill(Qt::transparent);
    canvas.render(&settled, region.topLeft(), QRegion(region), {});
    EXPECT_GT(canvas.regionPictures().size(), 0u);
    EXPECT_EQ(labelPixelsShown(label, settled, pet).first, solid);
}

}  // namespace
}  // namespace tundle
