#include "editors/RoomBackdrop.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include "drawing/PictureCache.h"
#include "editors/RoomVisibilityProbe.h"
#include "support/FakeSessionEvents.h"
#include "support/ModelTestWorld.h"

namespace tundle {
namespace {

// A room view the way the home page holds one: the backdrop with its probe in a window.
struct Rig {
    Rig() {
        host.resize(300, 400);
        auto* layout = new QVBoxLayout(&host);
        layout->setContentsMargins(0, 0, 0, 0);
        backdrop = new RoomBackdrop(room(), session, pictures, false,
                                    [this] { return world.scheduler.now(); });
        layout->addWidget(backdrop);
        new RoomVisibilityProbe(room(), *backdrop, session);
        setWeather(RoomWeather::rain, RoomPhase::day);
    }

    RoomEnvironment& room() { return model->room(); }
    void setWeather(RoomWeather weather, RoomPhase phase) {
        room().update([&](RoomPreferences& room) {
            room.mode = RoomMode::fixed;
            room.fixedWeather = weather;
            room.fixedPhase = phase;
        });
    }
    void setMotion(RoomMotion motion) {
        room().update([&](RoomPreferences& room) { room.motion = motion; });
    }
    void show() {
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
        QCoreApplication::processEvents();
    }
    void hide() {
        host.hide();
        QCoreApplication::processEvents();
    }

    test::ModelTestWorld world;
    std::unique_ptr<AppModel> model = world.model();
    test::FakeSessionEvents session;
    PictureCache pictures{[this] { return world.scheduler.elapsed; }};
    QWidget host;
    RoomBackdrop* backdrop = nullptr;
};

TEST(RoomBackdropTest, FramesRunOnlyWhileAnimatingAndOnScreen) {
    Rig rig;
    EXPECT_FALSE(rig.backdrop->frameTimer().isActive());
    EXPECT_FALSE(rig.room().isVisible());
    rig.show();
    EXPECT_TRUE(rig.room().isVisible());
    EXPECT_TRUE(rig.backdrop->animates());
    EXPECT_TRUE(rig.backdrop->frameTimer().isActive());
    EXPECT_EQ(rig.backdrop->frameTimer().interval(), 1000 / 24);

    rig.setMotion(RoomMotion::light);
    EXPECT_EQ(rig.backdrop->frameTimer().interval(), 1000 / 15);
    rig.setMotion(RoomMotion::off);
    EXPECT_FALSE(rig.backdrop->frameTimer().isActive());
    rig.setMotion(RoomMotion::standard);
    EXPECT_TRUE(rig.backdrop->frameTimer().isActive());

    rig.session.setLowPower(true);
    EXPECT_FALSE(rig.backdrop->frameTimer().isActive());
    rig.session.setLowPower(false);
    rig.backdrop->setReduceMotion(true);
    EXPECT_FALSE(rig.backdrop->frameTimer().isActive());
    rig.backdrop->setReduceMotion(false);
    rig.session.setReduceMotion(true);
    EXPECT_FALSE(rig.backdrop->frameTimer().isActive());
    rig.session.setReduceMotion(false);
    EXPECT_TRUE(rig.backdrop->frameTimer().isActive());

    rig.host.showMinimized();
    QCoreApplication::processEvents();
    EXPECT_FALSE(rig.backdrop->frameTimer().isActive());
    EXPECT_FALSE(rig.room().isVisible());
    rig.show();
    rig.host.showNormal();
    QCoreApplication::processEvents();
    EXPECT_TRUE(rig.room().isVisible());
    rig.hide();
    EXPECT_FALSE(rig.backdrop->frameTimer().isActive());
    EXPECT_FALSE(rig.room().isVisible());
}

TEST(RoomBackdropTest, AFrameRedrawsTheWeatherOverCachedStills) {
    Rig rig;
    rig.show();
    const QImage first = rig.backdrop->grab().toImage();
    const int renders = rig.backdrop->stillRenders();
    rig.world.scheduler.advance(0.3);
    const QImage second = rig.backdrop->grab().toImage();
    EXPECT_EQ(rig.backdrop->stillRenders(), renders) << "the still layers are drawn once";
    EXPECT_NE(first, second) << "the rain has fallen on";

    rig.hide();
    rig.show();
    rig.backdrop->grab();
    EXPECT_EQ(rig.backdrop->stillRenders(), renders + 1) << "a hidden backdrop holds no pictures";
}

TEST(RoomBackdropTest, AChangeOfWeatherFadesUnlessMotionIsReduced) {
    Rig rig;
    rig.show();
    rig.setMotion(RoomMotion::off);
    rig.setWeather(RoomWeather::clear, RoomPhase::day);
    EXPECT_TRUE(rig.backdrop->fading());
    EXPECT_TRUE(rig.backdrop->frameTimer().isActive()) << "the fade needs frames";
    rig.world.scheduler.advance(4);
    EXPECT_FALSE(rig.backdrop->fading());

    rig.backdrop->setReduceMotion(true);
    rig.setWeather(RoomWeather::snow, RoomPhase::night);
    EXPECT_FALSE(rig.backdrop->fading());
    EXPECT_FALSE(rig.backdrop->frameTimer().isActive());

    rig.backdrop->setReduceMotion(false);
    rig.hide();
    rig.setWeather(RoomWeather::storm, RoomPhase::day);
    EXPECT_FALSE(rig.backdrop->fading()) << "nobody watches a hidden fade";
}

TEST(RoomBackdropTest, WithoutItsBasePictureTheRoomIsAFlatColour) {
    Rig rig;
    QTemporaryDir empty;
    ASSERT_TRUE(rig.room().scene());
    rig.room().installScene(empty.path(), rig.room().scene());
    rig.show();
    const QImage picture = rig.backdrop->grab().toImage();
    EXPECT_EQ(picture.pixelColor(150, 200).rgb(), RoomBackdrop::emptyColour.rgb());
    EXPECT_EQ(picture.pixelColor(5, 5).rgb(), RoomBackdrop::emptyColour.rgb());
}

TEST(RoomVisibilityProbeTest, TheRoomIsOnScreenWhileAnyViewIs) {
    Rig rig;
    QWidget other;
    other.resize(100, 100);
    new RoomVisibilityProbe(rig.room(), other, rig.session);
    rig.show();
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    QCoreApplication::processEvents();
    rig.hide();
    EXPECT_TRUE(rig.room().isVisible()) << "the other view still shows the room";
    other.close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(rig.room().isVisible());

    rig.show();
    EXPECT_TRUE(rig.room().isVisible());
    const QDateTime before = rig.room().now();
    rig.world.scheduler.advance(30);
    rig.session.reportSleep(false);
    EXPECT_EQ(rig.room().now(), rig.world.scheduler.now()) << "waking moves the clock on at once";
    EXPECT_NE(rig.room().now(), before);
}

TEST(RoomVisibilityProbeTest, AViewThatGoesAwayIsNoLongerCounted) {
    Rig rig;
    auto other = std::make_unique<QWidget>();
    new RoomVisibilityProbe(rig.room(), *other, rig.session);
    other->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(other.get()));
    QCoreApplication::processEvents();
    EXPECT_TRUE(rig.room().isVisible());
    other.reset();
    EXPECT_FALSE(rig.room().isVisible());
}

}  // namespace
}  // namespace tundle
