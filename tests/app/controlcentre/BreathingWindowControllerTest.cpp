#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPixmapCache>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "controlcentre/BreathButton.h"
#include "controlcentre/BreathingPanel.h"
#include "controlcentre/BreathingView.h"
#include "controlcentre/BreathingWindowController.h"
#include "support/FakeSessionEvents.h"
#include "support/ModelTestWorld.h"
#include "support/RunUntil.h"

namespace tundle {

namespace {

// Two screens side by side; the pointer goes where the test puts it.
struct Rig {
    Rig() {
        controller = std::make_unique<BreathingWindowController>(
            *model, session,
            BreathingWindowController::Desk{
                .pointer = [this] { return pointer; },
                .screens =
                    [] {
                        return std::vector<BreathingWindowController::ScreenArea>{
                            {QRect(0, 0, 1440, 900), QRect(0, 30, 1440, 870)},
                            {QRect(1440, 0, 1280, 760), QRect(1440, 0, 1280, 720)},
                        };
                    },
                .primary = [] { return std::optional<QRect>(QRect(0, 30, 1440, 870)); },
            });
    }

    // Presents the panel the way the model does.
    void present() {
        model->setShowBreathing([this] { controller->show(); });
        model->presentBreathing();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&panel()));
    }
    BreathingPanel& panel() { return *controller->panel(); }
    BreathingView& view() { return *controller->view(); }
    bool anyTimerActive() {
        for (const QTimer* timer : panel().findChildren<QTimer*>()) {
            if (timer->isActive()) {
                return true;
            }
        }
        return false;
    }

    test::ModelTestWorld world;
    std::unique_ptr<AppModel> model = world.model();
    test::FakeSessionEvents session;
    QPoint pointer{200, 200};
    std::unique_ptr<BreathingWindowController> controller;
};

}  // namespace

TEST(BreathingWindowControllerTest, AreaAndScaleFollowTheScreenUnderThePointer) {
    using Controller = BreathingWindowController;
    EXPECT_DOUBLE_EQ(Controller::scaleFor(QRect(0, 0, 760, 780)), 1);
    EXPECT_DOUBLE_EQ(Controller::scaleFor(QRect(0, 0, 2560, 1400)), 1) << "never enlarged";
    EXPECT_NEAR(Controller::scaleFor(QRect(0, 0, 1280, 720)), 680.0 / 740, 1e-12);
    EXPECT_DOUBLE_EQ(Controller::scaleFor(QRect(0, 0, 30, 20)), 0.25) << "never zero or below";
    EXPECT_EQ(Controller::areaFor({5, 5}, {}, std::nullopt), QRect(0, 0, 1440, 900));
    EXPECT_EQ(Controller::frameFor(QRect(0, 30, 1440, 870), 1), QRect(360, 95, 720, 740));

    Rig rig;
    rig.present();
    EXPECT_TRUE(rig.panel().isVisible());
    EXPECT_EQ(rig.panel().geometry(), QRect(360, 95, 720, 740));
    EXPECT_EQ(rig.panel().windowTitle(), "糯墩 · 呼吸练习");

    BreathingView* first = &rig.view();
    rig.pointer = QPoint(2000, 300);
    rig.controller->show();
    BreathingPanel* same = rig.controller->panel();
    EXPECT_EQ(same, &rig.panel()) << "one panel for every showing";
    EXPECT_NE(&rig.view(), first) << "a fresh view";
    EXPECT_NEAR(rig.view().scale(), 680.0 / 740, 1e-12);
    EXPECT_EQ(rig.panel().geometry().center(), QRect(1440, 0, 1280, 720).center());
    EXPECT_EQ(rig.panel().size(), QSize(662, 680));
}

TEST(BreathingWindowControllerTest, ThePanelRoutesReturnSpaceAndEscape) {
    Rig rig;
    rig.present();
    BreathingService& breathing = rig.model->breathing();
    for (BreathButton* button : rig.view().findChildren<BreathButton*>()) {
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
    }

    QTest::keyClick(&rig.panel(), Qt::Key_Space);
    EXPECT_EQ(breathing.state(), BreathingState::idle) << "Space only pauses and resumes";
    QTest::keyClick(&rig.panel(), Qt::Key_Return);
    EXPECT_EQ(breathing.state(), BreathingState::running);
    EXPECT_TRUE(rig.model->reminders().isPaused());
    EXPECT_EQ(rig.view().remainingLine(), "还剩 03:00");
    QTest::keyClick(&rig.panel(), Qt::Key_Return);
    EXPECT_EQ(breathing.state(), BreathingState::running) << "Return does not restart";

    rig.world.scheduler.advance(19);
    QTest::keyClick(&rig.panel(), Qt::Key_Space);
    EXPECT_EQ(breathing.state(), BreathingState::paused);
    EXPECT_EQ(rig.view().remainingLine(), "已暂停 · 02:41");
    EXPECT_EQ(rig.view().pauseButton().text(), "继续呼吸");
    EXPECT_TRUE(rig.view().chips().front()->isHidden()) << "no length change mid-exercise";
    QTest::keyClick(&rig.panel(), Qt::Key_Space);
    EXPECT_EQ(breathing.state(), BreathingState::running);

    QTest::keyClick(&rig.panel(), Qt::Key_Escape);
    EXPECT_FALSE(rig.panel().isVisible());
    EXPECT_FALSE(rig.model->breathingPresented());
    EXPECT_EQ(breathing.state(), BreathingState::idle);
    EXPECT_FALSE(rig.model->reminders().isPaused());
}

TEST(BreathingWindowControllerTest, EveryRoadClosesThePanelOnce) {
    Rig rig;
    rig.present();
    int resets = 0;
    QObject::connect(&rig.model->breathing(), &BreathingService::stateChanged, [&] { ++resets; });
    rig.model->startBreathing();
    resets = 0;

    rig.view().endButton().click();
    EXPECT_FALSE(rig.panel().isVisible());
    EXPECT_EQ(resets, 1);
    rig.controller->close();
    QTest::keyClick(&rig.panel(), Qt::Key_Escape);
    QCloseEvent late;
    QCoreApplication::sendEvent(&rig.panel(), &late);
    EXPECT_EQ(resets, 1) << "a hidden panel does not close again";

    rig.present();
    rig.model->startBreathing();
    rig.model->setBreathingPresented(true);
    resets = 0;
    rig.panel().windowHandle()->close();
    EXPECT_FALSE(rig.panel().isVisible()) << "the window manager's close";
    EXPECT_FALSE(rig.model->breathingPresented());
    EXPECT_EQ(resets, 1);

    rig.present();
    rig.view().closeButton().click();
    EXPECT_FALSE(rig.panel().isVisible());
    EXPECT_FALSE(rig.model->breathingPresented());
}

TEST(BreathingWindowControllerTest, AClosedPanelHoldsNeitherItsViewNorAWindowBuffer) {
    Rig rig;
    rig.present();
    // A picture Qt's style cached for the panel's controls.
    const QPixmapCache::Key drawn = QPixmapCache::insert(QPixmap(64, 64));
    QTest::keyClick(&rig.panel(), Qt::Key_Escape);
    EXPECT_EQ(rig.controller->view(), nullptr);
    EXPECT_TRUE(test::runUntil([&rig] { return rig.panel().backingStore() == nullptr; }));
    EXPECT_EQ(rig.panel().windowHandle(), nullptr);
    QPixmap kept;
    EXPECT_TRUE(test::runUntil([&] { return !QPixmapCache::find(drawn, &kept); }))
        << "the closed panel's cached pictures leave with it";

    rig.present();
    EXPECT_NE(rig.panel().backingStore(), nullptr);
    EXPECT_TRUE(rig.view().isVisible()) << "a fresh view for the next exercise";
    rig.panel().showMinimized();
    QTest::qWait(2 * int(ReleasingWindow::releaseDelay.count()));
    EXPECT_NE(rig.panel().windowHandle(), nullptr) << "a minimised panel keeps its window";
}

TEST(BreathingWindowControllerTest, SleepPausesOnlyARunningExercise) {
    Rig rig;
    rig.present();
    BreathingService& breathing = rig.model->breathing();

    rig.session.reportSleep(true);
    EXPECT_EQ(breathing.state(), BreathingState::idle);
    rig.model->startBreathing();
    rig.session.reportSleep(true);
    EXPECT_EQ(breathing.state(), BreathingState::paused);
    EXPECT_TRUE(rig.model->reminders().isPaused());
    rig.session.reportSleep(false);
    EXPECT_EQ(breathing.state(), BreathingState::paused) << "resuming is the user's";
    EXPECT_EQ(rig.view().pauseButton().text(), "继续呼吸");

    rig.session.setSessionActive(false);
    EXPECT_EQ(breathing.state(), BreathingState::paused) << "a paused exercise is left alone";
    rig.session.setSessionActive(true);
    breathing.resume();
    rig.session.setScreensAsleep(true);
    EXPECT_EQ(breathing.state(), BreathingState::paused);
    rig.session.setScreensAsleep(false);
    breathing.resume();
    rig.session.setSessionActive(false);
    EXPECT_EQ(breathing.state(), BreathingState::paused);
}

TEST(BreathingWindowControllerTest, TheFrameTimerRunsOnlyForARunningExerciseOnScreen) {
    Rig rig;
    rig.present();
    const QTimer& frames = rig.view().frameTimer();
    EXPECT_EQ(frames.interval(), 33);
    EXPECT_FALSE(rig.anyTimerActive()) << "idle";

    rig.model->startBreathing();
    EXPECT_TRUE(frames.isActive());
    rig.model->breathing().pause();
    EXPECT_FALSE(rig.anyTimerActive()) << "paused";
    rig.model->breathing().resume();
    EXPECT_TRUE(frames.isActive());

    rig.model->setReduceMotion(true);
    EXPECT_FALSE(frames.isActive()) << "the application's reduce motion";
    rig.model->setReduceMotion(false);
    rig.session.setReduceMotion(true);
    EXPECT_FALSE(frames.isActive()) << "the desktop's reduce motion";
    EXPECT_TRUE(rig.view().still());
    rig.session.setReduceMotion(false);
    EXPECT_TRUE(frames.isActive());

    rig.panel().showMinimized();
    QCoreApplication::processEvents();
    EXPECT_FALSE(frames.isActive()) << "minimised";
    rig.panel().showNormal();
    QCoreApplication::processEvents();
    EXPECT_TRUE(frames.isActive());

    rig.panel().hide();
    EXPECT_FALSE(rig.anyTimerActive()) << "hidden";
    rig.controller->show();
    rig.model->breathing().tick();
    rig.world.scheduler.advance(200);
    rig.model->breathing().tick();
    EXPECT_EQ(rig.model->breathing().state(), BreathingState::completed);
    EXPECT_FALSE(rig.anyTimerActive()) << "completed";
    EXPECT_EQ(rig.view().mainButton().text(), "再呼吸一会儿");
    EXPECT_EQ(rig.view().endButton().text(), "回到桌面");

    rig.view().chips()[0]->click();
    EXPECT_EQ(rig.model->breathing().state(), BreathingState::idle);
    EXPECT_EQ(rig.model->breathing().durationMinutes(), 1);
    EXPECT_EQ(rig.model->configuration().value().preferences.breathingMinutes, 1);
    EXPECT_TRUE(rig.view().chips()[0]->selected());
    EXPECT_FALSE(rig.view().chips()[2]->selected());
}

}  // namespace tundle
