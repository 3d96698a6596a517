#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "config/ConfigurationPackage.h"
#include "config/ConfigurationStore.h"
#include "support/FileIO.h"
#include "support/JsonWriter.h"
#include "support/TemporaryHome.h"
#include "support/ThrownMessage.h"

namespace tundle {
namespace {

using test::readAll;
using test::thrownMessage;

// Equal but for the revision, which every save renews.
UserConfiguration asSaved(UserConfiguration configuration, const UserConfiguration& saved) {
    EXPECT_NE(configuration.revision, saved.revision);
    configuration.revision = saved.revision;
    return configuration;
}

TEST(ConfigurationImportTest, ExportImportAndRestoreOnFiles) {
    QTemporaryDir dir;
    const QString path = dir.filePath("configuration.json");
    MemoryDefaults defaults;
    ConfigurationStore store(defaults, path);
    EXPECT_THROW(store.restoreBeforeImport(), FileError);
    store.update([](UserConfiguration& c) {
        c.device.petX = 80;
        c.shortcuts = {ShortcutItem{.name = QStringLiteral("下载"),
                                    .target = QStringLiteral("/home/u/Downloads"),
                                    .bookmark = QByteArray("mark")}};
    });
    const UserConfiguration exported = store.value();
    FileIO::writeAtomically(dir.filePath("备份.json"), ConfigurationPackage(exported).encoded());

    store.update([](UserConfiguration& c) { c.preferences.waterMinutes = 30; });
    const UserConfiguration changed = store.value();
    store.importConfiguration(
        ConfigurationPackage::decode(ConfigurationStore::readFile(dir.filePath("备份.json"))));
    EXPECT_EQ(store.value(), asSaved(exported, store.value()));
    EXPECT_EQ(ConfigurationStore::decode(readAll(path)), store.value());
    EXPECT_EQ(readAll(path + ".before-import"), JsonWriter::compact(changed.toJson()));

    for (int time = 0; time < 2; ++time) {
        const QUuid before = store.value().revision;
        store.restoreBeforeImport();
        EXPECT_EQ(store.value(), asSaved(changed, store.value()));
        EXPECT_NE(store.value().revision, before);
    }
}

TEST(ConfigurationImportTest, AFailedImportKeepsTheEarlierPreImportCopy) {
    QTemporaryDir dir;
    const QString path = dir.filePath("configuration.json");
    MemoryDefaults defaults;
    ConfigurationStore store(defaults, path);
    const ConfigurationPackage package(
        PortableConfiguration{.schedule = ScheduleConfiguration{.legacyTimes = {OffWorkTime{}}}});
    store.importConfiguration(package);
    const QByteArray earlier = readAll(path + ".before-import");
    ASSERT_FALSE(earlier.isEmpty());

    UserConfiguration elsewhere = store.value();
    elsewhere.revision = newUuid();
    test::writeAll(path, ConfigurationStore::encode(elsewhere));
    const UserConfiguration kept = store.value();
    EXPECT_EQ(thrownMessage(
                  [&] { store.importConfiguration(ConfigurationPackage(UserConfiguration())); }),
              QStringLiteral("配置已被另一份糯墩修改，请退出并重新打开后再试。"));
    EXPECT_EQ(readAll(path + ".before-import"), earlier);
    EXPECT_EQ(store.value(), kept);
}

TEST(ConfigurationImportTest, DefaultsKeepThePreImportCopyUnderItsKey) {
    MemoryDefaults defaults;
    ConfigurationStore store(defaults);
    EXPECT_EQ(thrownMessage([&] { store.restoreBeforeImport(); }),
              QStringLiteral("暂无导入前备份。"));
    const UserConfiguration original = store.value();
    UserConfiguration shared;
    shared.preferences.soundEnabled = false;
    store.importConfiguration(
        ConfigurationPackage(PortableConfiguration::fromSnapshot(shared, true, false, false)));
    EXPECT_FALSE(store.value().preferences.soundEnabled);
    EXPECT_EQ(defaults.value("userConfiguration.v1.before-import").toByteArray(),
              JsonWriter::compact(original.toJson()));
    store.restoreBeforeImport();
    EXPECT_EQ(store.value(), asSaved(original, store.value()));
}

}  // namespace
}  // namespace tundle
