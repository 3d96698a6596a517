#include <gtest/gtest.h>

#include "config/ConfigurationPackage.h"
#include "support/ConfigurationError.h"
#include "support/ModelTestWorld.h"
#include "support/TemporaryHome.h"
#include "support/ThrownMessage.h"

namespace tundle {
namespace {

using test::ModelTestWorld;

TEST(AppModelTest, PanelPagesAndRoomNetworking) {
    EXPECT_EQ(parsePanelPage(u"设置"), PanelPage::settings);
    EXPECT_EQ(parsePanelPage(u"settings"), std::nullopt);
    ModelTestWorld world;
    test::StandardMemoryDefaults standard;
    const std::tuple<Defaults*, bool, bool> cases[] = {
        {&standard, false, true}, {&standard, true, false}, {&world.defaults, false, false}};
    for (const auto& [defaults, qaMode, networking] : cases) {
        world.qa.qaMode = qaMode;
        EXPECT_EQ(AppModel::roomNetworking(world.world(defaults)), networking);
    }
}

TEST(AppModelTest, StartsFromTheStoredConfigurationWithTheGreeting) {
    ModelTestWorld world;
    ConfigurationStore(world.defaults).update([](UserConfiguration& c) {
        c.preferences.waterMinutes = 30;
        c.preferences.breathingMinutes = 5;
        c.preferences.reduceMotion = true;
        c.preferences.petAssetPack = "OriginalVideo";
        c.device.accessoriesCollapsed = true;
    });
    EXPECT_EQ(world.model()->assetPack(), PetAssetPack::originalVideo);
    auto model = world.model(PetAssetPack::originalVideo);
    EXPECT_EQ(model->assetPack(), PetAssetPack::h3);
    EXPECT_EQ(&model->assets(), test::generatedPack(PetAssetPack::h3).get());
    EXPECT_EQ(model->reminders().waterMinutes(), 30);
    EXPECT_EQ(model->breathing().durationMinutes(), 5);
    EXPECT_TRUE(model->reduceMotion());
    EXPECT_TRUE(model->accessoriesCollapsed());

    EXPECT_EQ(model->bubble(), "你好呀，我是糯墩。");
    EXPECT_EQ(model->bubbleDetail(), "点我互动 · 右键打开菜单");
    world.scheduler.advance(9.9);
    EXPECT_FALSE(model->bubble().isEmpty());
    world.scheduler.advance(0.1);
    EXPECT_TRUE(model->bubble().isEmpty());
}

TEST(AppModelTest, ImportAndRestoreWaitForAnIdlePet) {
    ModelTestWorld world;
    auto model = world.model();
    const ConfigurationPackage package(UserConfiguration{});
    const auto restore = [&] { model->restoreConfigurationBeforeImport(); };
    EXPECT_EQ(test::thrownMessage<ConfigurationError>(restore), "暂无导入前备份。");
    model->play("jump");
    EXPECT_EQ(test::thrownMessage<ConfigurationError>([&] { model->importConfiguration(package); }),
              "请先结束当前互动或呼吸练习，再导入配置。");
    model->stopAnimation();
    model->presentBreathing();
    EXPECT_EQ(test::thrownMessage<ConfigurationError>(restore),
              "请先结束当前互动或呼吸练习，再恢复配置。");
    model->setBreathingPresented(false);
    model->breathing().start();
    model->breathing().pause();
    EXPECT_THROW(model->importConfiguration(package), ConfigurationError);
    EXPECT_EQ(model->configuration().beforeImportPlace().read(), std::nullopt);
}

TEST(AppModelTest, AnImportIsAppliedAndCanBeRestored) {
    ModelTestWorld world;
    auto model = world.model(PetAssetPack::originalVideo);
    UserConfiguration imported;
    imported.preferences.waterMinutes = 20;
    imported.preferences.soundEnabled = false;
    imported.preferences.petAssetPack = "OriginalVideo";
    imported.device.accessoriesCollapsed = true;
    model->toggleShortcuts();
    const QUuid revision = model->assetRevision();
    int imports = 0;
    model->setConfigurationDidImport([&] {
        // The shell hears of it once everything else is applied, before the outcome is published.
        if (++imports == 1) {
            EXPECT_EQ(model->reminders().waterMinutes(), 20);
            EXPECT_NE(model->assetRevision(), revision);
            EXPECT_EQ(model->configurationMessage(), std::nullopt);
        }
    });

    model->importConfiguration(ConfigurationPackage(imported));
    EXPECT_EQ(model->functionPanel(), std::nullopt);
    EXPECT_FALSE(model->soundEnabled());
    EXPECT_TRUE(model->accessoriesCollapsed());
    EXPECT_EQ(model->assetPack(), PetAssetPack::h3);
    EXPECT_EQ(model->assetPackLoadError(), "配置已导入，但角色素材不可用，暂用当前角色。");
    EXPECT_EQ(model->configurationMessage(), "配置已应用；可恢复导入前配置。");

    model->restoreConfigurationBeforeImport();
    EXPECT_EQ(imports, 2);
    EXPECT_EQ(model->reminders().waterMinutes(), 45);
    EXPECT_TRUE(model->soundEnabled());
    EXPECT_EQ(model->assetPackLoadError(), std::nullopt);
}

TEST(AppModelTest, SettingsAndAccessoriesAreSaved) {
    test::TemporaryDataHome home;
    ModelTestWorld world;
    auto model = world.model();
    model->reminders().setMinutes(15, ReminderKind::movement);
    model->setPetScale(0.8);
    model->saveSettings();
    EXPECT_EQ(model->configuration().value().preferences.movementMinutes, 15);
    model->setPetScale(-1);
    model->saveSettings();
    EXPECT_EQ(model->configurationMessage(), "配置版本或偏好数值无效。");
    EXPECT_EQ(model->configuration().value().preferences.petScale, 0.8);

    for (bool collapsed : {true, false}) {
        model->toggleShortcuts();
        model->toggleAccessories();
        EXPECT_EQ(model->configuration().value().device.accessoriesCollapsed, collapsed);
        EXPECT_EQ(model->functionPanel().has_value(), !collapsed);
    }
}

}  // namespace
}  // namespace tundle
