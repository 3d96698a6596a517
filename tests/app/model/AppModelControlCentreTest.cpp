#include <gtest/gtest.h>

#include <QSignalSpy>

#include "support/ModelTestWorld.h"

namespace tundle {

TEST(AppModelControlCentreTest, BreathingQuietSignalsEachTurnOfEitherCause) {
    test::ModelTestWorld world;
    auto model = world.model();
    QSignalSpy quiet(model.get(), &AppModel::breathingQuietChanged);

    model->startBreathing();
    EXPECT_TRUE(model->breathingQuiet());
    EXPECT_EQ(quiet.count(), 1) << "an exercise alone makes the pet quiet";
    model->presentBreathing();
    EXPECT_EQ(quiet.count(), 1) << "already quiet: no second signal";
    model->breathing().pause();
    model->setBreathingPresented(false);
    EXPECT_EQ(quiet.count(), 1) << "a paused exercise keeps the pet quiet";
    model->resetBreathing();
    EXPECT_FALSE(model->breathingQuiet());
    EXPECT_EQ(quiet.count(), 2);
    model->presentBreathing();
    model->setBreathingPresented(false);
    EXPECT_EQ(quiet.count(), 4);
}

TEST(AppModelControlCentreTest, ShellCallbacksAndClocksReachTheViews) {
    test::ModelTestWorld world;
    auto model = world.model();
    std::vector<bool> shown;
    model->setChangePetVisibility([&](bool visible) { shown.push_back(visible); });

    model->showPet();
    model->showPet();
    EXPECT_EQ(shown, (std::vector<bool>{true, true})) << "asked even when already visible";
    model->togglePetVisible();
    model->showPet();
    EXPECT_TRUE(model->petVisible());
    EXPECT_EQ(shown, (std::vector<bool>{true, true, false, true}));

    QSignalSpy messages(model.get(), &AppModel::configurationMessageChanged);
    model->setConfigurationMessage(QStringLiteral("配置文件已导出。"));
    EXPECT_EQ(model->configurationMessage(), QStringLiteral("配置文件已导出。"));
    EXPECT_EQ(messages.count(), 1);

    world.scheduler.advance(90);
    EXPECT_EQ(model->clock()(), world.scheduler.now());
    EXPECT_EQ(model->uptime()(), 90000);
}

TEST(AppModelControlCentreTest, SettingsOpenShortcutsWithTheirOwnCompletion) {
    test::ModelTestWorld world;
    auto model = world.model();
    model->toggleShortcuts();
    ASSERT_TRUE(model->functionPanel());
    ShortcutItem site;
    site.kind = ShortcutKind::website;
    site.name = QStringLiteral("例子");
    site.target = QStringLiteral("https://example.com");

    std::vector<std::optional<QString>> results;
    model->openShortcutFromSettings(
        site, [&](const std::optional<QString>& message) { results.push_back(message); });
    world.opener->opens = false;
    model->openShortcutFromSettings(
        site, [&](const std::optional<QString>& message) { results.push_back(message); });

    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[0], std::nullopt);
    EXPECT_EQ(results[1], QStringLiteral("系统未能打开该项目，请检查目标和默认应用。"));
    EXPECT_EQ(world.opener->opened.size(), 2);
    EXPECT_TRUE(model->functionPanel()) << "the pet's panel is not the settings page's business";
    EXPECT_EQ(model->shortcutOpenError(), std::nullopt);
}

}  // namespace tundle
