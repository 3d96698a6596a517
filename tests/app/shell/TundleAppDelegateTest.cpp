#include "shell/TundleAppDelegate.h"

#include <gtest/gtest.h>

#include <link.h>

#include <QAction>
#include <QMenu>
#include <cstring>

#include "content/ContentHTTP.h"
#include "controlcentre/BreathingPanel.h"
#include "editors/RoomSettingsSheet.h"
#include "support/MemoryDefaults.h"
#include "support/RunUntil.h"

namespace tundle {
namespace {

QAction* menuItem(TundleAppDelegate& delegate, const QString& title) {
    emit delegate.statusMenu().aboutToShow();
    for (QAction* action : delegate.statusMenu().actions()) {
        if (action->text() == title) {
            return action;
        }
    }
    return nullptr;
}

// Whether OpenSSL's TLS library is in the process: Qt's TLS backend brings it in.
bool tlsLoaded() {
    return dl_iterate_phdr(
               [](dl_phdr_info* info, size_t, void*) {
                   return info->dlpi_name && std::strstr(info->dlpi_name, "libssl.so") ? 1 : 0;
               },
               nullptr) != 0;
}

class TundleAppDelegateTest : public ::testing::Test {
protected:
    TundleAppDelegateTest() {
        auto owned = std::make_unique<MemoryDefaults>();
        defaults = owned.get();
        delegate = std::make_unique<TundleAppDelegate>(std::move(owned), false);
    }

    MemoryDefaults* defaults;
    std::unique_ptr<TundleAppDelegate> delegate;
};

TEST_F(TundleAppDelegateTest, NothingHappensBeforeTheRunTimeStarts) {
    delegate->openPanel(PanelPage::home);
    delegate->applicationWillTerminate();
    EXPECT_FALSE(delegate->model());
    EXPECT_FALSE(delegate->controlWindow());
    EXPECT_FALSE(defaults->value("userConfiguration.v1").isValid())
        << "quitting early writes nothing";
}

TEST_F(TundleAppDelegateTest, StartsOnceShowsThePetAndOpensTheHomePage) {
    delegate->applicationDidFinishLaunching();
    AppModel* model = delegate->model();
    ASSERT_TRUE(model);
    ASSERT_TRUE(delegate->petPanel());
    EXPECT_TRUE(delegate->petPanel()->isVisible());
    EXPECT_EQ(delegate->petPanel()->width(), 445) << "the farm shows from the start";
    EXPECT_EQ(delegate->petPanel()->height(), 655);
    const DevicePreferences device = model->configuration().value().device;
    EXPECT_TRUE(device.petX && device.petY && device.accessoryLayoutV1)
        << "the first place is stored at once";
    ASSERT_TRUE(delegate->controlWindow());
    EXPECT_TRUE(delegate->controlWindow()->isVisible());
    EXPECT_EQ(model->page(), PanelPage::home);

    delegate->applicationDidFinishLaunching();
    EXPECT_EQ(delegate->model(), model) << "a second start does nothing";

    model->togglePetVisible();
    EXPECT_FALSE(delegate->petPanel()->isVisible());
    model->togglePetVisible();
    EXPECT_TRUE(delegate->petPanel()->isVisible());

    model->setFarmVisible(false);
    EXPECT_EQ(delegate->petPanel()->width(), 444);
    EXPECT_EQ(delegate->petPanel()->height(), 569);
}

TEST_F(TundleAppDelegateTest, NothingOfTlsLoadsBeforeTheFirstRequest) {
    if (tlsLoaded()) {
        GTEST_SKIP() << "an earlier test in this process loaded TLS";
    }
    delegate->applicationDidFinishLaunching();
    QCoreApplication::processEvents();
    ASSERT_TRUE(delegate->model());
    EXPECT_FALSE(tlsLoaded());

    // Nothing listens there: the download fails, after TLS was set up for it.
    bool done = false;
    ContentHTTP::get(QStringLiteral("https://127.0.0.1:1/content.json"), 1024,
                     [&done](ContentFetchResult) { done = true; });
    ASSERT_TRUE(test::runUntil([&done] { return done; }));
    EXPECT_TRUE(tlsLoaded());
}

TEST_F(TundleAppDelegateTest, TheBreathingSwitchReplacesTheHomePage) {
    TundleAppDelegate breathing(std::make_unique<MemoryDefaults>(), false, {.breathing = true});
    breathing.applicationDidFinishLaunching();
    EXPECT_FALSE(breathing.controlWindow());
    EXPECT_TRUE(breathing.model()->breathingPresented());
    EXPECT_TRUE(breathing.model()->qa().breathing) << "the model's world holds the switches";
    ASSERT_TRUE(breathing.hasBreathingWindow()) << "the model's request reaches the panel";
    EXPECT_TRUE(breathing.breathingWindow().panel()->isVisible());
}

TEST_F(TundleAppDelegateTest, AScreenChangeShowsThePresentedBreathingPanelAgain) {
    delegate->applicationDidFinishLaunching();
    delegate->screenChanged();
    EXPECT_FALSE(delegate->hasBreathingWindow()) << "nothing presented, nothing made";

    delegate->openPanel(PanelPage::breathing);
    BreathingWindowController& window = delegate->breathingWindow();
    BreathingView* first = window.view();
    window.panel()->hide();
    delegate->screenChanged();
    EXPECT_TRUE(window.panel()->isVisible());
    EXPECT_NE(window.view(), first) << "re-fitted with a fresh view";

    window.close();
    EXPECT_FALSE(delegate->model()->breathingPresented());
    BreathingView* closed = window.view();
    delegate->screenChanged();
    EXPECT_FALSE(window.panel()->isVisible());
    EXPECT_EQ(window.view(), closed);
}

TEST_F(TundleAppDelegateTest, TheTrayCheckItemsReachTheUpdateChecksOrOpenTheSettings) {
    delegate->applicationDidFinishLaunching();
    AppModel& model = *delegate->model();
    const QString software = QStringLiteral("检查软件更新…");
    const QString content = QStringLiteral("检查动作更新");

    for (const QString& title : {software, content}) {
        model.setPage(PanelPage::home);
        delegate->controlWindow()->hide();
        QAction* item = menuItem(*delegate, title);
        ASSERT_TRUE(item) << title.toStdString();
        item->trigger();
        EXPECT_EQ(model.page(), PanelPage::settings) << "without a check the page explains";
        EXPECT_TRUE(delegate->controlWindow()->isVisible());
    }

    int appChecks = 0;
    int contentChecks = 0;
    model.updates().setCheckAppUpdate([&] { ++appChecks; });
    model.updates().setCheckContentUpdate([&] { ++contentChecks; });
    model.setPage(PanelPage::home);
    delegate->controlWindow()->hide();
    menuItem(*delegate, software)->trigger();
    EXPECT_EQ(appChecks, 1);
    EXPECT_EQ(contentChecks, 0);
    menuItem(*delegate, content)->trigger();
    EXPECT_EQ(appChecks, 1);
    EXPECT_EQ(contentChecks, 1);
    EXPECT_EQ(model.page(), PanelPage::home) << "a check that runs leaves the window alone";
    EXPECT_FALSE(delegate->controlWindow()->isVisible());
}

TEST_F(TundleAppDelegateTest, TheTrayOpensTheRoomSheetOverAClosedWindowAndTheHomePage) {
    delegate->applicationDidFinishLaunching();
    AppModel& model = *delegate->model();
    ControlCenterWindow& window = *delegate->controlWindow();
    model.setPage(PanelPage::settings);
    window.close();

    QAction* room = menuItem(*delegate, QStringLiteral("房间设置"));
    ASSERT_TRUE(room);
    room->trigger();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(model.page(), PanelPage::home);
    ASSERT_TRUE(window.controlCenter().roomSheet());
    EXPECT_TRUE(model.roomSettingsPresented());

    window.controlCenter().roomSheet()->cancel();
    EXPECT_FALSE(model.roomSettingsPresented());
    EXPECT_TRUE(window.isVisible()) << "the window stays when its sheet goes";
}

}  // namespace
}  // namespace tundle
