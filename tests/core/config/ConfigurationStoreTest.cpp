#include "config/ConfigurationCoding.h"
#include "config/ConfigurationStore.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <csignal>

#include "support/ConfigurationError.h"
#include "support/FileIO.h"
#include "support/PrivateMounts.h"
#include "support/SettingsDefaults.h"
#include "support/TemporaryHome.h"
#include "support/ThrownMessage.h"

namespace tundle {
namespace {

using test::readAll;
using test::thrownMessage;
using test::writeAll;

const QString loadPrefix = QStringLiteral("配置未能读取，原文件已保留，暂停保存：");
const QString savePrefix = QStringLiteral("配置保存失败，原配置已保留：");
const QString mismatch = QStringLiteral("配置已被另一份糯墩修改，请退出并重新打开后再试。");

class ConfigurationStoreTest : public ::testing::Test {
protected:
    QString configurationPath() const { return home.filePath("pet-tundle/configuration-v1.json"); }
    QString previousPath() const { return configurationPath() + ".previous"; }

    test::TemporaryDataHome home;
    test::StandardMemoryDefaults standard;
};

TEST_F(ConfigurationStoreTest, StandardDefaultsKeepTheConfigurationInTheDataFolder) {
    ConfigurationStore store(standard);
    ASSERT_TRUE(store.isWritable());
    EXPECT_EQ(store.storagePath(), configurationPath());
    EXPECT_EQ(store.beforeImportPlace().path(), configurationPath() + ".before-import");
    EXPECT_EQ(readAll(configurationPath()), encodeConfiguration(store.value()));
    EXPECT_FALSE(QFileInfo::exists(previousPath())) << "a first start has no previous state";
    EXPECT_FALSE(standard.value("userConfiguration.v1").isValid());

    ConfigurationStore again(standard);
    EXPECT_EQ(again.value(), store.value());
}

TEST_F(ConfigurationStoreTest, OtherDefaultsKeepTheConfigurationUnderTheirKeys) {
    MemoryDefaults defaults;
    ConfigurationStore store(defaults);
    EXPECT_FALSE(store.storagePath());
    EXPECT_EQ(store.beforeImportPlace().key(),
              QStringLiteral("userConfiguration.v1.before-import"));
    EXPECT_EQ(defaults.value("userConfiguration.v1").toByteArray(),
              encodeConfiguration(store.value()));
    EXPECT_FALSE(defaults.value("userConfiguration.v1.previous").isValid());
    EXPECT_FALSE(QFileInfo::exists(home.filePath("pet-tundle")));

    store.update([](UserConfiguration& c) { c.preferences.soundEnabled = false; });
    EXPECT_EQ(decodeConfiguration(defaults.value("userConfiguration.v1").toByteArray()),
              store.value());
    EXPECT_TRUE(defaults.value("userConfiguration.v1.previous").isValid());
    EXPECT_EQ(ConfigurationStore(defaults).value(), store.value());
}

TEST_F(ConfigurationStoreTest, WithoutADataFolderTheStandardDefaultsKeepTheConfiguration) {
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "relative/data");
    QTemporaryDir cwd;
    const QString oldCwd = QDir::currentPath();
    QDir::setCurrent(cwd.path());
    {
        ConfigurationStore store(standard);
        EXPECT_TRUE(store.isWritable());
        EXPECT_FALSE(store.storagePath());
        EXPECT_TRUE(standard.value("userConfiguration.v1").isValid());
    }
    QDir::setCurrent(oldCwd);
    qputenv("XDG_DATA_HOME", previous);
    EXPECT_TRUE(QDir(cwd.path()).isEmpty())
        << "nothing may be written relative to the working folder";
}

TEST_F(ConfigurationStoreTest, LoadsUpToTheSizeLimitAndRefusesOneByteMore) {
    const UserConfiguration original;
    QByteArray document = encodeConfiguration(original);
    document.insert(document.size() - 1,
                    QByteArray(maximumConfigurationBytes - document.size(), ' '));
    ASSERT_EQ(document.size(), 8388608);
    writeAll(configurationPath(), document);
    {
        ConfigurationStore store(standard);
        EXPECT_TRUE(store.isWritable());
        EXPECT_EQ(store.value(), original);
    }
    document.insert(document.size() - 1, ' ');
    writeAll(configurationPath(), document);
    ConfigurationStore store(standard);
    EXPECT_FALSE(store.isWritable());
    EXPECT_EQ(store.error(), loadPrefix + QStringLiteral("配置文件超过 8 MB。"));
    EXPECT_NE(store.value(), original);
    EXPECT_EQ(thrownMessage([&] {
                  store.update([](UserConfiguration& c) { c.preferences.waterMinutes = 30; });
              }),
              *store.error());
    EXPECT_EQ(readAll(configurationPath()), document);
    EXPECT_FALSE(QFileInfo::exists(previousPath()));
}

TEST_F(ConfigurationStoreTest, UnreadableDocumentsLeaveTheStoreUnwritableAndTheFileUntouched) {
    const QByteArray future = QByteArray(encodeConfiguration(UserConfiguration()))
                                  .replace("\"schemaVersion\" : 1", "\"schemaVersion\" : 2");
    const QByteArray missingKey = QByteArray(encodeConfiguration(UserConfiguration()))
                                      .replace("\"legacyTimes\"", "\"legacy\"");
    const struct {
        QByteArray bytes;
        QString error;
    } cases[] = {
        {future, loadPrefix + QStringLiteral("配置来自不支持的版本，请更新糯墩后重试。")},
        {missingKey, loadPrefix + QStringLiteral("数据缺少必需的“schedule.legacyTimes”。")},
        {"{\"revision\": 1", QString()},
        {"[]", QString()},
        {"{}", loadPrefix + QStringLiteral("数据缺少必需的“schemaVersion”。")},
    };
    for (const auto& c : cases) {
        writeAll(configurationPath(), c.bytes);
        ConfigurationStore store(standard);
        EXPECT_FALSE(store.isWritable()) << c.bytes.left(40).constData();
        ASSERT_TRUE(store.error());
        if (c.error.isEmpty()) {
            EXPECT_TRUE(store.error()->startsWith(loadPrefix));
        } else {
            EXPECT_EQ(store.error(), c.error);
        }
        EXPECT_THROW(store.update([](UserConfiguration& c) { c.preferences.waterMinutes = 30; }),
                     ConfigurationError);
        EXPECT_EQ(readAll(configurationPath()), c.bytes);
    }
}

TEST_F(ConfigurationStoreTest, AnUpdateThatChangesNothingWritesNothing) {
    ConfigurationStore store(standard);
    const UserConfiguration before = store.value();
    const QByteArray bytes = readAll(configurationPath());
    QSignalSpy changes(&store, &ConfigurationStore::changed);
    store.update([](UserConfiguration& c) { c.preferences.waterMinutes = 45; });
    EXPECT_EQ(store.value(), before);
    EXPECT_EQ(readAll(configurationPath()), bytes);
    EXPECT_FALSE(QFileInfo::exists(previousPath()));
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(ConfigurationStoreTest, AChangeWritesThePreviousStateFirstAndPublishesTheNewOne) {
    ConfigurationStore store(standard);
    const UserConfiguration before = store.value();
    std::vector<std::pair<int, int>> seen;  // (handed value, value() during the notification)
    QObject::connect(&store, &ConfigurationStore::valueWillChange,
                     [&](const UserConfiguration& next) {
                         seen.emplace_back(next.preferences.waterMinutes,
                                           store.value().preferences.waterMinutes);
                         // The new state is on disk before anyone hears of it.
                         EXPECT_EQ(decodeConfiguration(readAll(configurationPath())), next);
                     });
    store.update([](UserConfiguration& c) { c.preferences.waterMinutes = 30; });

    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], std::make_pair(30, 45));
    EXPECT_EQ(store.value().preferences.waterMinutes, 30);
    EXPECT_NE(store.value().revision, before.revision);
    EXPECT_EQ(decodeConfiguration(readAll(previousPath())), before);
    EXPECT_EQ(decodeConfiguration(readAll(configurationPath())), store.value());
    EXPECT_GE(QFileInfo(configurationPath()).lastModified(),
              QFileInfo(previousPath()).lastModified());
    EXPECT_FALSE(store.error());
}

TEST_F(ConfigurationStoreTest, AWriteByAnotherCopyIsRefusedAndNothingChanges) {
    ConfigurationStore store(standard);
    store.update([](UserConfiguration& c) { c.preferences.waterMinutes = 30; });
    const UserConfiguration mine = store.value();
    const QByteArray previous = readAll(previousPath());

    UserConfiguration theirs = mine;
    theirs.revision = newUuid();
    theirs.preferences.waterMinutes = 90;
    const QByteArray theirBytes = encodeConfiguration(theirs);
    writeAll(configurationPath(), theirBytes);

    QSignalSpy errors(&store, &ConfigurationStore::errorChanged);
    EXPECT_EQ(thrownMessage([&] {
                  store.update([](UserConfiguration& c) { c.preferences.waterMinutes = 20; });
              }),
              mismatch);
    EXPECT_EQ(store.error(), savePrefix + mismatch);
    EXPECT_EQ(errors.count(), 1);
    EXPECT_EQ(store.value(), mine);
    EXPECT_EQ(readAll(configurationPath()), theirBytes);
    EXPECT_EQ(readAll(previousPath()), previous);
}

TEST_F(ConfigurationStoreTest, AWriteByAnotherCopyIsSeenThroughSharedSettings) {
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.conf");
    SettingsDefaults defaults(file);
    ConfigurationStore store(defaults);
    ASSERT_TRUE(store.isWritable());

    UserConfiguration theirs = store.value();
    theirs.revision = newUuid();
    {
        // Written as another process would: the bytes change under this process's settings.
        QSettings other(dir.filePath("other.conf"), QSettings::IniFormat);
        other.setValue("userConfiguration.v1", encodeConfiguration(theirs));
    }
    QFile::remove(file);
    QFile::copy(dir.filePath("other.conf"), file);
    EXPECT_EQ(thrownMessage([&] {
                  store.update([](UserConfiguration& c) { c.preferences.reduceMotion = true; });
              }),
              mismatch);
    EXPECT_FALSE(store.value().preferences.reduceMotion);
    EXPECT_EQ(QSettings(file, QSettings::IniFormat).value("userConfiguration.v1").toByteArray(),
              encodeConfiguration(theirs));
}

TEST_F(ConfigurationStoreTest, ADeletedFileIsWrittenAnew) {
    ConfigurationStore store(standard);
    QFile::remove(configurationPath());
    store.update([](UserConfiguration& c) { c.device.petX = 40; });
    EXPECT_EQ(decodeConfiguration(readAll(configurationPath())), store.value());
    EXPECT_EQ(store.value().device.petX, 40);
}

TEST_F(ConfigurationStoreTest, SaveFailuresKeepTheValueAndAreClearedByTheNextSave) {
    QTemporaryDir dir;
    const QString path = dir.filePath("folder/configuration-v1.json");
    ConfigurationStore store(standard, path);
    const UserConfiguration before = store.value();

    // Over the size limit: thousands of long local targets.
    const QString sentence = QStringLiteral("配置文件过大。");
    EXPECT_EQ(
        thrownMessage([&] {
            store.update([](UserConfiguration& c) {
                for (int i = 0; i < 600; ++i) {
                    c.shortcuts.push_back(ShortcutItem{.name = QStringLiteral("文件"),
                                                       .target = u'/' + QString(16000, u'a')});
                }
            });
        }),
        sentence);
    EXPECT_EQ(store.error(), savePrefix + sentence);
    EXPECT_EQ(store.value(), before);
    EXPECT_FALSE(QFileInfo::exists(path + ".previous"));

    // The folder replaced by a plain file: the save cannot create it.
    QDir(dir.filePath("folder")).removeRecursively();
    writeAll(dir.filePath("folder"), "not a folder");
    EXPECT_THROW(store.update([](UserConfiguration& c) { c.preferences.petScale = 1.2; }),
                 FileError);
    EXPECT_TRUE(store.error()->startsWith(savePrefix + QStringLiteral("无法创建文件夹")));
    EXPECT_EQ(store.value(), before);

    QFile::remove(dir.filePath("folder"));
    store.update([](UserConfiguration& c) { c.preferences.petScale = 1.2; });
    EXPECT_FALSE(store.error());
    EXPECT_EQ(store.value().preferences.petScale, 1.2);
}

// Saves once so both copies exist, lets `breakWrites` take the disk's room away, and checks
// that the next save fails with the system's reason while both files keep every byte.
void expectRefusedSaveKeepsBothFiles(const QString& path, const std::function<void()>& breakWrites,
                                     const std::function<void()>& repair, const QString& reason) {
    test::StandardMemoryDefaults defaults;
    ConfigurationStore store(defaults, path);
    store.update([](UserConfiguration& c) { c.preferences.waterMinutes = 30; });
    const QByteArray configuration = readAll(path);
    const QByteArray previous = readAll(path + ".previous");
    ASSERT_FALSE(previous.isEmpty());

    breakWrites();
    EXPECT_THROW(store.update([](UserConfiguration& c) { c.preferences.waterMinutes = 20; }),
                 FileError);
    repair();

    EXPECT_EQ(store.error(),
              savePrefix + QStringLiteral("无法写入文件“%1.previous”：").arg(path) + reason);
    EXPECT_EQ(store.value().preferences.waterMinutes, 30);
    EXPECT_EQ(readAll(path), configuration);
    EXPECT_EQ(readAll(path + ".previous"), previous);
    EXPECT_EQ(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files | QDir::Hidden).size(), 3)
        << "a temporary file was left behind";
    store.update([](UserConfiguration& c) { c.preferences.waterMinutes = 20; });
    EXPECT_EQ(decodeConfiguration(readAll(path)).preferences.waterMinutes, 20);
}

TEST(ConfigurationStoreFaults, AFullDiskKeepsTheConfigurationAndItsPreviousCopy) {
    QTemporaryDir dir;
    test::PrivateMounts mounts;
    if (!mounts.available()) {
        GTEST_SKIP() << "a small file system needs root: " << mounts.reason().toStdString();
    }
    ASSERT_TRUE(mounts.smallFileSystem(dir.path(), 256 * 1024));
    const QString filler = dir.filePath("filler");
    expectRefusedSaveKeepsBothFiles(
        dir.filePath("configuration-v1.json"),
        [&] {
            QFile file(filler);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray page(4096, 'x');
            while (file.write(page) == page.size()) {
            }
        },
        [&] { QFile::remove(filler); }, QStringLiteral("No space left on device"));
}

// Runs everywhere: the process's own file size limit makes the system refuse the write.
TEST(ConfigurationStoreFaults, AWriteTheSystemRefusesKeepsTheConfigurationAndItsPreviousCopy) {
    QTemporaryDir dir;
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto ignored = std::signal(SIGXFSZ, SIG_IGN);
    expectRefusedSaveKeepsBothFiles(
        dir.filePath("configuration-v1.json"),
        [&] {
            const rlimit tiny{100, before.rlim_max};
            ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
        },
        [&] { ::setrlimit(RLIMIT_FSIZE, &before); }, QStringLiteral("File too large"));
    std::signal(SIGXFSZ, ignored);
}

TEST(ConfigurationStoreFaults, AFifoAtTheConfigurationPathIsRefusedAtOnce) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("configuration-v1.json");
    const QString link = dir.filePath("linked.json");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(fifo, link));
    test::StandardMemoryDefaults defaults;
    for (const QString& path : {fifo, link}) {
        ConfigurationStore store(defaults, path);
        EXPECT_FALSE(store.isWritable());
        EXPECT_EQ(store.error(), loadPrefix + QStringLiteral("“%1”不是普通文件。").arg(path));
        EXPECT_EQ(
            thrownMessage([&] {
                store.update([](UserConfiguration& c) { c.preferences.soundEnabled = false; });
            }),
            *store.error());
    }
    EXPECT_EQ(QFileInfo(fifo).isFile(), false);
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), fifo);
}

// Each copy counts the saves it was told were done; a save that would have overwritten the
// other copy's is refused instead, so the count stored at the end is the sum of both.
TEST(ConfigurationStoreFaults, TwoRunningCopiesNeverLoseAnAcknowledgedSave) {
    QTemporaryDir dir;
    const QString path = dir.filePath("configuration-v1.json");
    test::StandardMemoryDefaults defaults;
    ASSERT_TRUE(ConfigurationStore(defaults, path).isWritable());
    QProcess first;
    QProcess second;
    for (QProcess* copy : {&first, &second}) {
        copy->start(QStringLiteral(TUNDLE_RIVAL_SAVER), {path, QStringLiteral("1000")});
    }
    int acknowledged = 0;
    for (QProcess* copy : {&first, &second}) {
        ASSERT_TRUE(copy->waitForFinished(-1));
        ASSERT_EQ(copy->exitCode(), 0);
        const int saves = copy->readAllStandardOutput().trimmed().toInt();
        EXPECT_GT(saves, 0);
        acknowledged += saves;
    }
    EXPECT_EQ(decodeConfiguration(readAll(path)).device.petX, double(acknowledged));
}

}  // namespace
}  // namespace tundle
