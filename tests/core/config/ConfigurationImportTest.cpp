#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "config/ConfigurationCoding.h"
#include "config/ConfigurationPackage.h"
#include "config/ConfigurationStore.h"
#include "support/FileIO.h"
#include "support/JsonWriter.h"
#include "support/TemporaryHome.h"
#include "support/ThrownMessage.h"

namespace tundle {
namespace {

using test::readAll;

// Equal but for the revision, which every save renews.
void expectSaved(UserConfiguration expected, const UserConfiguration& saved) {
    EXPECT_NE(expected.revision, saved.revision);
    expected.revision = saved.revision;
    EXPECT_EQ(saved, expected);
}

TEST(ConfigurationImportTest, ExportChangeImportAndRestoreOnFiles) {
    QTemporaryDir dir;
    const QString path = dir.filePath("configuration.json");
    MemoryDefaults defaults;
    ConfigurationStore store(defaults, path);
    EXPECT_EQ(test::thrownMessage([&] { store.restoreBeforeImport(); }),
              QStringLiteral("暂无导入前备份。"));
    store.update([](UserConfiguration& c) {
        c.device.petX = 80;
        c.shortcuts = {{.name = "下载", .target = "/home/u/Downloads", .bookmark = "mark"}};
    });
    const UserConfiguration exported = store.value();
    FileIO::writeAtomically(dir.filePath("备份.json"), ConfigurationPackage(exported).encoded());

    store.update([](UserConfiguration& c) { c.preferences.waterMinutes = 30; });
    const UserConfiguration changed = store.value();
    store.importConfiguration(
        ConfigurationPackage::decode(readConfigurationFile(dir.filePath("备份.json"))));
    expectSaved(exported, store.value());
    EXPECT_EQ(decodeConfiguration(readAll(path)), store.value());
    EXPECT_EQ(readAll(path + ".before-import"), JsonWriter::compact(changed.toJson()));
    for (int time = 0; time < 2; ++time) {
        store.restoreBeforeImport();
        expectSaved(changed, store.value());
    }
}

TEST(ConfigurationImportTest, AFailedImportKeepsTheEarlierPreImportCopy) {
    QTemporaryDir dir;
    const QString path = dir.filePath("configuration.json");
    MemoryDefaults defaults;
    ConfigurationStore store(defaults, path);
    store.importConfiguration(ConfigurationPackage(
        PortableConfiguration{.schedule = ScheduleConfiguration{.legacyTimes = {OffWorkTime{}}}}));
    const QByteArray earlier = readAll(path + ".before-import");
    const UserConfiguration kept = store.value();
    UserConfiguration elsewhere = kept;
    elsewhere.revision = newUuid();
    test::writeAll(path, encodeConfiguration(elsewhere));

    const ConfigurationPackage share(
        PortableConfiguration{.preferences = CompanionPreferences{.waterMinutes = 30}});
    EXPECT_EQ(test::thrownMessage([&] { store.importConfiguration(share); }),
              QStringLiteral("配置已被另一份糯墩修改，请退出并重新打开后再试。"));
    EXPECT_EQ(readAll(path + ".before-import"), earlier);
    EXPECT_EQ(store.value(), kept);

    ConfigurationStore inDefaults(defaults);
    EXPECT_EQ(test::thrownMessage([&] { inDefaults.restoreBeforeImport(); }),
              QStringLiteral("暂无导入前备份。"));
    const QByteArray before = JsonWriter::compact(inDefaults.value().toJson());
    inDefaults.importConfiguration(share);
    EXPECT_EQ(defaults.value("userConfiguration.v1.before-import").toByteArray(), before);
}

}  // namespace
}  // namespace tundle
