#include "controlcentre/SettingsPage.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QLabel>
#include <QSlider>
#include <QTest>

#include "WidgetLookup.h"
#include "config/ConfigurationPackage.h"
#include "support/ModelTestWorld.h"
#include "support/TemporaryHome.h"

namespace tundle {
namespace {

using test::buttonNamed;
using test::namedChild;
using test::showing;

bool hasLabel(const QWidget& root, const QString& text) {
    return test::shownTexts(root).contains(text);
}

TEST(SettingsPageTest, VersionTextNamesTheDevelopmentBuild) {
    EXPECT_EQ(SettingsPage::versionText(QString()), QStringLiteral("版本 开发版"));
    EXPECT_EQ(SettingsPage::versionText(QStringLiteral("1.2.0")), QStringLiteral("版本 1.2.0"));
}

TEST(SettingsPageTest, UserChangesAreAppliedAndSaved) {
    test::TemporaryDataHome home;
    test::ModelTestWorld world;
    auto model = world.model();
    std::vector<double> resized;
    model->setChangePetScale([&](double scale) { resized.push_back(scale); });
    SettingsPage page(*model);

    QSlider* size = namedChild<QSlider>(page, QStringLiteral("桌宠大小"));
    ASSERT_TRUE(size);
    EXPECT_EQ(size->value(), 5) << "1.0 sits on the sixth step";
    EXPECT_TRUE(hasLabel(page, QStringLiteral("100%")));
    size->setValue(size->maximum());
    EXPECT_EQ(model->petScale(), 1.4);
    EXPECT_EQ(resized, std::vector<double>{1.4});
    EXPECT_EQ(model->configuration().value().preferences.petScale, 1.4);
    EXPECT_TRUE(hasLabel(page, QStringLiteral("140%")));

    buttonNamed(page, QStringLiteral("减少动态效果"))->click();
    EXPECT_TRUE(model->configuration().value().preferences.reduceMotion);
    const bool sound = model->soundEnabled();
    buttonNamed(page, QStringLiteral("音效"))->click();
    EXPECT_EQ(model->configuration().value().preferences.soundEnabled, !sound);

    model->setPetVisible(false);
    int shown = 0;
    model->setChangePetVisibility([&](bool visible) { shown += visible ? 1 : -100; });
    buttonNamed(page, QStringLiteral("显示桌宠"))->click();
    buttonNamed(page, QStringLiteral("显示桌宠"))->click();
    EXPECT_TRUE(model->petVisible());
    EXPECT_EQ(shown, 2) << "the pet is shown again each time, never hidden";

    const QString trash = world.files.trashDirectory();
    ASSERT_FALSE(QFileInfo::exists(trash));
    buttonNamed(page, QStringLiteral("打开系统废纸篓"))->click();
    ASSERT_FALSE(world.opener->opened.isEmpty());
    EXPECT_EQ(world.opener->opened.last(), QUrl::fromLocalFile(trash + "/files").toString());
    EXPECT_TRUE(QFileInfo(trash + "/files").isDir()) << "an unused Trash opens too";
    EXPECT_EQ(QFileInfo(trash).permissions() & (QFile::ReadGroup | QFile::ReadOther), 0);
}

TEST(SettingsPageTest, AnImportWithThePageOpenWritesOnlyTheImport) {
    test::TemporaryDataHome home;
    test::ModelTestWorld world;
    auto model = world.model();
    SettingsPage page(*model);
    UserConfiguration imported;
    imported.preferences.petScale = 1.2;
    imported.preferences.reduceMotion = true;
    imported.preferences.soundEnabled = !model->soundEnabled();
    imported.preferences.waterMinutes = 20;
    int writes = 0;
    QObject::connect(&model->configuration(), &ConfigurationStore::valueChanged, [&] { ++writes; });

    model->importConfiguration(ConfigurationPackage(imported));
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(model->configuration().value().preferences, imported.preferences);
    EXPECT_EQ(namedChild<QSlider>(page, QStringLiteral("桌宠大小"))->value(), 9);
    EXPECT_TRUE(hasLabel(page, QStringLiteral("120%")));
    EXPECT_TRUE(buttonNamed(page, QStringLiteral("减少动态效果"))->isChecked());
    EXPECT_EQ(buttonNamed(page, QStringLiteral("音效"))->isChecked(),
              imported.preferences.soundEnabled);
}

TEST(SettingsPageTest, UpdateRowsFollowTheCoordinator) {
    test::ModelTestWorld world;
    auto model = world.model();
    SettingsPage page(*model);
    page.show();
    UpdateStatus& updates = model->updates();
    QAbstractButton* software = buttonNamed(page, QStringLiteral("检查软件更新"));
    QAbstractButton* content = buttonNamed(page, QStringLiteral("检查资源更新"));
    ASSERT_TRUE(software && content);
    EXPECT_FALSE(software->isEnabled());
    EXPECT_FALSE(content->isEnabled());
    EXPECT_TRUE(hasLabel(page, QStringLiteral("尚未配置软件更新")));
    EXPECT_TRUE(hasLabel(page, QStringLiteral("使用内置动作")));
    EXPECT_TRUE(hasLabel(page, QStringLiteral("版本 开发版")));

    int appChecks = 0;
    int contentChecks = 0;
    updates.setCheckAppUpdate([&] { ++appChecks; });
    updates.setCheckContentUpdate([&] { ++contentChecks; });
    updates.setAppUpdateAvailable(true);
    updates.setContentUpdateAvailable(true);
    software->click();
    content->click();
    EXPECT_EQ(appChecks, 1);
    EXPECT_EQ(contentChecks, 1);

    updates.setContentUpdateBusy(true);
    EXPECT_EQ(content->text(), QStringLiteral("检查中…"));
    EXPECT_FALSE(content->isEnabled());
    updates.setContentUpdateBusy(false);
    EXPECT_EQ(content->text(), QStringLiteral("检查资源更新"));
    EXPECT_TRUE(content->isEnabled());
}

TEST(SettingsPageTest, ThePackErrorEndsTheSettingsCardAndTheSlotTakesASection) {
    test::ModelTestWorld world;
    auto model = world.model(PetAssetPack::originalVideo);
    SettingsPage page(*model);
    page.show();
    const QString error = QStringLiteral("配置已导入，但角色素材不可用，暂用当前角色。");
    EXPECT_FALSE(hasLabel(page, error));
    UserConfiguration imported;
    imported.preferences.petAssetPack = "OriginalVideo";
    model->importConfiguration(ConfigurationPackage(imported));
    EXPECT_TRUE(hasLabel(page, error));

    ASSERT_TRUE(page.configurationSection());
    auto* section = new QLabel(QStringLiteral("配置"));
    page.setConfigurationSection(section);
    EXPECT_EQ(page.configurationSection(), section);
    EXPECT_EQ(section->parentWidget(), &page);
}

}  // namespace
}  // namespace tundle
