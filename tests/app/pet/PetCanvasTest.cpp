#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <set>

#include "accessories/AccessoryButton.h"
#include "accessories/AccessoryRing.h"
#include "config/ConfigurationPackage.h"
#include "drawing/PictureCache.h"
#include "drawing/YUpSpace.h"
#include "model/FarmStore.h"
#include "pet/NextChange.h"
#include "pet/PetPanel.h"
#include "pet/PetPreview.h"
#include "support/ModelTestWorld.h"
#include "support/PaintCounter.h"
#include "support/RunUntil.h"

namespace tundle {
namespace {

using test::PaintCounter;

// A model, a farm and clocks that move only when the test moves them.
struct CanvasWorld {
    test::ModelTestWorld world;
    std::unique_ptr<AppModel> model = world.model();
    MemoryDefaults farmDefaults;
    FarmStore farm{farmDefaults};
    QDateTime now = world.scheduler.now();
    qint64 uptime = 1'000'000;

    explicit CanvasWorld(bool farmVisible = false) { farm.setVisible(farmVisible); }
    PetClocks clocks() {
        return {[this] { return now; }, [this] { return uptime; }};
    }
};

TEST(PetCanvasTest, TheHoverSwitchOfTheModelsWorldKeepsTheLabelsOut) {
    for (const bool hover : {false, true}) {
        test::ModelTestWorld world;
        world.qa.hover = hover;
        const std::unique_ptr<AppModel> model = world.model();
        MemoryDefaults farmDefaults;
        FarmStore farm(farmDefaults);
        PetPanel panel(*model, farm);
        AccessoryRing* ring = panel.canvas().accessoryRing();
        ASSERT_TRUE(ring && !ring->buttons().empty());
        AccessoryButton* button = ring->buttons().front();
        button->track({-500, -500});
        EXPECT_EQ(button->reveal(), hover ? 1.0 : 0.0) << hover;
    }
}

TEST(PetCanvasTest, TheFirstVisibleTickPaintsAndGrowsThePanelUpward) {
    CanvasWorld w;
    PetPanel panel(*w.model, w.farm, w.clocks());
    PetCanvas& canvas = panel.canvas();
    panel.setGeometry(100, 80, 444, 500);
    int moves = 0;
    canvas.onMoved = [&moves] { ++moves; };
    canvas.tick();
    EXPECT_TRUE(canvas.lastPaintKey().isEmpty());
    panel.show();
    canvas.tick();
    // A short bubble leaves 315 pt above the pet's 254; the bottom edge stays put.
    EXPECT_EQ(panel.geometry(), QRect(100, 11, 444, 569));
    EXPECT_EQ(moves, 1);
    EXPECT_FALSE(w.model->room().isVisible());

    // Clicks are taken on the bubble (half-open) and the pet's opaque pixels, or the farm.
    const YUpSpace space(canvas.height());
    const auto hit = [&](QPointF up) { return canvas.interactiveHit(space.toQt(up)); };
    const QRectF bubble = canvas.bubbleRect();
    EXPECT_TRUE(hit({bubble.center().x(), bubble.y()}));
    EXPECT_FALSE(hit({bubble.center().x(), bubble.y() + bubble.height()}));
    EXPECT_TRUE(hit({297, 100}));
    EXPECT_FALSE(hit({172, 2}));

    // A tall bubble grows the panel upward; dismissing it shrinks it back.
    w.model->say({.message = QString(300, u'长'),
                  .detail = "细节",
                  .actionTitle = QStringLiteral("好的"),
                  .secondaryTitle = QStringLiteral("稍后")});
    canvas.tick();
    const int tall = qRound(254 + canvas.bubbleLayout().height + 34);
    EXPECT_EQ(panel.geometry(), QRect(100, 580 - tall, 444, tall));
    w.model->dismissBubble();
    canvas.tick();
    EXPECT_EQ(panel.geometry(), QRect(100, 11, 444, 569));
    EXPECT_EQ(moves, 3);
    EXPECT_FALSE(hit(bubble.center()));
    w.farm.setVisible(true);
    EXPECT_TRUE(hit({172, 2}));
}

TEST(PetCanvasTest, RepaintsOnlyForChanges) {
    CanvasWorld w(true);
    PetPanel panel(*w.model, w.farm, w.clocks());
    PaintCounter counter;
    panel.canvas().installEventFilter(&counter);
    panel.setGeometry(100, 11, 444, 569);
    panel.show();
    ASSERT_TRUE(test::runUntil([&] { return counter.paints > 0; }));
    QTest::qWait(100);
    counter.paints = 0;
    QTest::qWait(2000);
    EXPECT_EQ(counter.paints, 0);

    // The scale, the function panel and reduced motion are not in the key, yet repaint.
    const QString key = panel.canvas().lastPaintKey();
    w.model->setPetScale(1.2);
    ASSERT_TRUE(test::runUntil([&] { return counter.paints > 0; }));
    EXPECT_EQ(panel.canvas().lastPaintKey(), key);

    // A new pack revision repaints though nothing else changed.
    w.model->refreshContentAssets();
    panel.canvas().tick();
    EXPECT_NE(panel.canvas().lastPaintKey(), key);

    // A change of the room shows at once.
    w.model->room().update([](RoomPreferences& room) {
        room.fixedWeather = RoomWeather::storm;
        room.mode = RoomMode::fixed;
    });
    ASSERT_TRUE(test::runUntil([&] { return panel.canvas().lastPaintKey().contains("|storm|"); }));
}

// A canvas whose wake-ups run on a clock of the test's own.
struct SleepingCanvas {
    explicit SleepingCanvas(CanvasWorld& w, PictureCache* pictures = nullptr)
        : panel(*w.model, w.farm,
                {[&w] { return w.now; }, [&w] { return w.uptime; }, &wakes, pictures}) {
        panel.canvas().installEventFilter(&counter);
        panel.setGeometry(100, 11, 444, 569);
        panel.show();
        settle();
    }
    // Runs what is due now and lets the paints through.
    void settle() {
        wakes.advance(0);
        QCoreApplication::processEvents();
    }
    PetCanvas& canvas() { return panel.canvas(); }

    test::FakeScheduler wakes;
    PetPanel panel;
    PaintCounter counter;
};

TEST(PetCanvasTest, AStillPetSleepsAndAFrameRepaintsOnlyTheSprite) {
    CanvasWorld w(true);
    w.model->dismissBubble();
    w.model->setReduceMotion(true);
    SleepingCanvas c(w);
    ASSERT_GT(c.counter.paints, 0);
    EXPECT_EQ(c.wakes.pending(), 0);

    // Ten seconds of a frozen clock: not one wake-up, not one paint.
    c.counter.paints = 0;
    const int fired = c.wakes.fired;
    c.wakes.advance(10);
    QCoreApplication::processEvents();
    EXPECT_EQ(c.wakes.fired, fired);
    EXPECT_EQ(c.counter.paints, 0);

    // With motion the pet wakes for its next frame, and only the sprite is painted again.
    w.model->setReduceMotion(false);
    c.settle();
    ASSERT_EQ(c.wakes.pending(), 1);
    const std::optional<double> next = NextChange::after(c.canvas().clockDrivenState(w.now));
    ASSERT_TRUE(next);
    EXPECT_GT(*next, 0);
    EXPECT_LE(*next, 1.0 / 6);
    c.counter.painted = {};
    const QString key = c.canvas().lastPaintKey();
    w.now = w.now.addMSecs(qint64(*next * 1000) + 1);
    c.wakes.advance(*next + 0.001);
    QCoreApplication::processEvents();
    EXPECT_NE(c.canvas().lastPaintKey(), key);
    EXPECT_FALSE(c.counter.painted.isEmpty());
    EXPECT_EQ(c.counter.painted.boundingRect(), c.canvas().spriteRegion());
    EXPECT_LT(c.canvas().spriteRegion().width() * c.canvas().spriteRegion().height(),
              c.canvas().width() * c.canvas().height() / 3);

    // Hidden, the canvas neither wakes nor paints, whatever the model does.
    c.panel.hide();
    c.settle();
    EXPECT_EQ(c.wakes.pending(), 0);
    w.model->say({.message = "藏起来时说的话"});
    EXPECT_EQ(c.wakes.pending(), 0);
}

TEST(PetCanvasTest, AStillFarmIsDrawnOnceUntilSomethingItShowsChanges) {
    CanvasWorld w(true);
    w.model->dismissBubble();
    w.model->room().update([](RoomPreferences& room) {
        room.mode = RoomMode::fixed;
        room.fixedWeather = RoomWeather::clear;
        room.fixedPhase = RoomPhase::day;
    });
    w.farm.loosen(0);
    w.farm.sow(FarmCrop::corn, 0, w.now);
    SleepingCanvas c(w);
    PetCanvas& canvas = c.canvas();
    const QImage& still = canvas.stillFarm();
    ASSERT_FALSE(still.isNull());
    // Kept at the size of the farm panel, not of the whole canvas.
    EXPECT_LT(still.width() * still.height(), canvas.width() * canvas.height() * 2 / 3);
    qint64 drawn = still.cacheKey();

    // Seven seconds of the pet's frames, past a step of the farm's five-second clock: only the
    // sprite is painted, over the same picture of the farm.
    const auto advance = [&](double seconds) {
        w.now = w.now.addMSecs(qint64(seconds * 1000) + 1);
        c.wakes.advance(seconds + 0.001);
        QCoreApplication::processEvents();
    };
    c.counter.painted = {};
    int frames = 0;
    for (const QDateTime end = w.now.addSecs(7); w.now < end; ++frames) {
        const std::optional<double> next = NextChange::after(canvas.clockDrivenState(w.now));
        ASSERT_TRUE(next);
        advance(*next);
    }
    EXPECT_GT(frames, 40);
    EXPECT_EQ(c.counter.painted.boundingRect(), canvas.spriteRegion());
    EXPECT_EQ(canvas.stillFarm().cacheKey(), drawn);

    // The crop grows into its next stage with no word from the model: the farm is drawn again,
    // the rest of the canvas is not.
    c.counter.painted = {};
    advance(700);
    EXPECT_NE(canvas.stillFarm().cacheKey(), drawn);
    EXPECT_FALSE(c.counter.painted.contains(QPoint(canvas.width() / 2, 5)));
    drawn = canvas.stillFarm().cacheKey();

    // The pet's clips show nothing of a farm without a selected plot, nor does the room's
    // minute while its light stays.
    w.model->play(QStringLiteral("happy"));
    c.settle();
    w.model->stopAnimation();
    c.settle();
    w.model->room().tick();
    c.settle();
    EXPECT_EQ(canvas.stillFarm().cacheKey(), drawn);
    w.model->room().update([](RoomPreferences& room) { room.fixedPhase = RoomPhase::dusk; });
    c.settle();
    EXPECT_NE(canvas.stillFarm().cacheKey(), drawn);
    drawn = canvas.stillFarm().cacheKey();

    // A change in the store and a new selection draw it again.
    w.farm.loosen(1);
    c.settle();
    EXPECT_NE(canvas.stillFarm().cacheKey(), drawn);
    drawn = canvas.stillFarm().cacheKey();
    const QPointF plot = canvas.plotRects().at(0).center();
    canvas.farmMousePressed(plot);
    canvas.farmMouseReleased(plot);
    c.settle();
    EXPECT_NE(canvas.stillFarm().cacheKey(), drawn);
    // The selected plot's buttons wait for a resting pet.
    drawn = canvas.stillFarm().cacheKey();
    w.model->play(QStringLiteral("happy"));
    c.settle();
    EXPECT_NE(canvas.stillFarm().cacheKey(), drawn);
}

TEST(PetCanvasTest, ASettledPetOverTheStillFarmShowsEachFrameFromItsOwnPicture) {
    CanvasWorld w(true);
    w.model->dismissBubble();
    SleepingCanvas c(w);
    PetCanvas& canvas = c.canvas();
    std::set<int> shown;
    for (const QDateTime end = w.now.addSecs(3); w.now < end;) {
        const double next = *NextChange::after(canvas.clockDrivenState(w.now));
        w.now = w.now.addMSecs(qint64(next * 1000) + 1);
        c.wakes.advance(next + 0.001);
        QCoreApplication::processEvents();
        shown.insert(w.model->assets().frameIndex(w.model->animation(),
                                                  canvas.scene().frame.elapsed, false));
    }
    ASSERT_GT(shown.size(), 1u);
    EXPECT_EQ(canvas.regionPictures().size(), shown.size());

    // The picture shows what a full paint of the region shows.
    const QRect sprite = canvas.spriteRegion();
    const auto render = [&] {
        QImage image(sprite.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        canvas.render(&image, QPoint(), QRegion(sprite), {});
        return image;
    };
    const QImage fromPicture = render();
    canvas.setDraggingFile(true);
    canvas.setDraggingFile(false);
    EXPECT_EQ(render(), fromPicture);

    // Anything else that changes starts the pictures afresh; a hidden pet keeps none.
    c.settle();
    w.model->setPetScale(1.2);
    c.settle();
    EXPECT_EQ(canvas.regionPictures().size(), 0u);
    c.panel.hide();
    EXPECT_EQ(canvas.regionPictures().size(), 0u);
}

TEST(PetCanvasTest, ASettledPetWithoutTheFarmIsCopiedAsAFullPaintDrawsIt) {
    CanvasWorld w(false);
    w.model->dismissBubble();
    SleepingCanvas c(w);
    PetCanvas& canvas = c.canvas();
    // The window repaints the sprite's rectangle as far as it lies inside the canvas; the pet's
    // feet reach past its bottom edge.
    const QRect sprite = canvas.spriteRegion().intersected(canvas.rect());
    ASSERT_NE(sprite, canvas.spriteRegion());
    const auto render = [&] {
        QImage image(sprite.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        canvas.render(&image, QPoint(), QRegion(sprite), {});
        return image;
    };
    std::vector<QImage> seen;
    for (int step = 0; step < 6; ++step) {
        const double next = *NextChange::after(canvas.clockDrivenState(w.now));
        w.now = w.now.addMSecs(qint64(next * 1000) + 1);
        c.wakes.advance(next + 0.001);
        QCoreApplication::processEvents();
        const QImage copied = render();
        // A drag and its end call for a full look, drawn over the cleared pixels.
        canvas.setDraggingFile(true);
        canvas.setDraggingFile(false);
        EXPECT_EQ(render(), copied) << step;
        c.settle();
        if (std::find(seen.begin(), seen.end(), copied) == seen.end()) {
            seen.push_back(copied);
        }
    }
    EXPECT_GT(seen.size(), 1u);
}

TEST(PetCanvasTest, EveryPartOfThePaintKeyRepaints) {
    CanvasWorld w(true);
    w.farm.loosen(0);
    SleepingCanvas c(w);
    PetCanvas& canvas = c.canvas();
    const QPointF plot0 = canvas.plotRects().at(0).center();
    const std::vector<std::pair<const char*, std::function<void()>>> changes{
        {"bubble, detail and both buttons",
         [&] {
             w.model->say({.message = "新的话",
                           .detail = "细节",
                           .actionTitle = QStringLiteral("好"),
                           .secondaryTitle = QStringLiteral("不")});
         }},
        {"bubble dismissed", [&] { w.model->dismissBubble(); }},
        {"pack",
         [&] {
             UserConfiguration imported;
             imported.preferences.petAssetPack = "OriginalVideo";
             w.model->importConfiguration(ConfigurationPackage(imported));
         }},
        {"pack revision", [&] { w.model->refreshContentAssets(); }},
        {"frame", [&] { w.now = w.now.addMSecs(500); }},
        {"clip", [&] { w.model->play("jump"); }},
        {"clip over", [&] { w.model->stopAnimation(); }},
        {"files dragged", [&] { canvas.setDraggingFile(true); }},
        {"breathing quiet", [&] { w.model->setBreathingPresented(true); }},
        {"breathing second",
         [&] {
             w.model->startBreathing();
             w.now = w.now.addSecs(1);
         }},
        {"breathing over",
         [&] {
             w.model->resetBreathing();
             w.model->setBreathingPresented(false);
         }},
        {"farm", [&] { w.farm.setScale(0.9); }},
        {"weather",
         [&] {
             w.model->room().update([](RoomPreferences& room) {
                 room.mode = RoomMode::fixed;
                 room.fixedWeather = RoomWeather::snow;
             });
         }},
        {"phase and daylight",
         [&] {
             w.model->room().update(
                 [](RoomPreferences& room) { room.fixedPhase = RoomPhase::night; });
         }},
        {"hover", [&] { canvas.farmMouseMoved(plot0); }},
        {"selection",
         [&] {
             canvas.farmMousePressed(plot0);
             canvas.farmMouseReleased(plot0);
         }},
        {"walk", [&] { w.model->loosenFarmPlot(1); }},
        {"feedback", [&] { w.world.scheduler.advance(1); }},
    };
    for (const auto& [name, change] : changes) {
        c.settle();
        const QString key = canvas.lastPaintKey();
        c.counter.paints = 0;
        change();
        canvas.tick();
        c.settle();
        EXPECT_NE(canvas.lastPaintKey(), key) << name;
        EXPECT_GT(c.counter.paints, 0) << name;
    }
}

TEST(PetCanvasTest, ThePreviewNeverResizesAndShowsNoBubbleWithoutWidth) {
    CanvasWorld w(true);
    PetPreview preview(*w.model, w.farm);
    preview.resize(400, 600);
    preview.show();
    PetCanvas& canvas = preview.canvas();
    canvas.tick();
    EXPECT_EQ(preview.size(), QSize(400, 600));
    EXPECT_EQ(canvas.bubbleRect().y(), 60 + 260 + 12);
    ASSERT_TRUE(canvas.scene().bubble);
    preview.resize(15, 600);
    EXPECT_FALSE(canvas.scene().bubble);
    w.model->toggleShortcuts();
    preview.resize(400, 600);
    EXPECT_FALSE(canvas.scene().bubble);
}

TEST(PetCanvasTest, TheFarmAndThePetHoldOnlyThePicturesTheyShowAndLetGoWhenHidden) {
    CanvasWorld w(true);
    qint64 uptime = 0;
    PictureCache pictures([&uptime] { return uptime; });
    w.model->room().update([](RoomPreferences& room) {
        room.mode = RoomMode::fixed;
        room.fixedWeather = RoomWeather::clear;
        room.fixedPhase = RoomPhase::day;
    });
    SleepingCanvas c(w, &pictures);
    PetCanvas& canvas = c.canvas();
    const QSize drawn = canvas.farmSceneRect().size().toSize();
    const auto held = [&canvas, drawn] {
        QStringList names;
        for (const auto& [name, picture] : canvas.roomImages()) {
            names << name;
            EXPECT_EQ(picture.size(), drawn) << name.toStdString();
        }
        return names;
    };
    // The built-in room has seven pictures; a clear day shows one, decoded at the farm's size.
    EXPECT_EQ(held(), QStringList{"farm-sunny.png"});
    EXPECT_EQ(pictures.size(), 1u);

    // At night the night picture lies over it; in the rain another backdrop shows.
    w.model->room().update([](RoomPreferences& room) { room.fixedPhase = RoomPhase::night; });
    c.settle();
    EXPECT_EQ(held(), (QStringList{"farm-night.png", "farm-sunny.png"}));
    w.model->room().update([](RoomPreferences& room) { room.fixedWeather = RoomWeather::rain; });
    c.settle();
    EXPECT_EQ(held(), (QStringList{"farm-night.png", "farm-rain.png"}));
    EXPECT_EQ(pictures.size(), 3u);

    // The sunny picture nobody holds goes after the grace period; the others stay while shown.
    pictures.sweep();
    uptime += PictureCache::graceMilliseconds;
    pictures.sweep();
    EXPECT_EQ(pictures.size(), 2u);

    // Hiding the pet lets go of its drawn frames too.
    EXPECT_GT(canvas.spriteFrames().size(), 0u);
    c.panel.hide();
    EXPECT_EQ(canvas.spriteFrames().size(), 0u);
    c.panel.show();
    c.settle();

    // Hiding the farm lets go of everything it showed.
    w.farm.setVisible(false);
    EXPECT_TRUE(canvas.roomImages().empty());
    pictures.sweep();
    EXPECT_EQ(pictures.size(), 2u);
    uptime += PictureCache::graceMilliseconds;
    pictures.sweep();
    EXPECT_EQ(pictures.size(), 0u);
}

}  // namespace
}  // namespace tundle
