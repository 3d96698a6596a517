#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>

#include "config/ConfigurationCoding.h"
#include "config/ConfigurationStore.h"
#include "content/ContentStoreState.h"
#include "support/JsonReader.h"
#include "support/TemporaryHome.h"

namespace tundle {
namespace {

constexpr int kills = 200;

// Starts the writer on `path`, waits until it has saved at least once, lets it go on for a random
// moment and kills it with SIGKILL, so every kill lands in the middle of a stream of saves however
// slow the machine is.
void killWhileSaving(const char* mode, const QString& path, QRandomGenerator& random) {
    const QByteArray before = test::readAll(path);
    QProcess writer;
    writer.start(QStringLiteral(TUNDLE_CRASH_WRITER), {QString::fromLatin1(mode), path});
    ASSERT_TRUE(writer.waitForStarted());
    QElapsedTimer waited;
    waited.start();
    while (test::readAll(path) == before) {
        ASSERT_LT(waited.elapsed(), 20000) << "the writer saved nothing";
        QThread::usleep(500);
    }
    QThread::usleep(random.bounded(20000));
    ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
    ASSERT_TRUE(writer.waitForFinished());
    ASSERT_EQ(writer.exitStatus(), QProcess::CrashExit) << "the writer stopped on its own";
}

TEST(CrashSafety, AKilledSaveNeverLeavesAHalfWrittenConfiguration) {
    QTemporaryDir dir;
    const QString path = dir.filePath("configuration-v1.json");
    QRandomGenerator random(20261206);
    for (int i = 0; i < kills; ++i) {
        killWhileSaving("configuration", path, random);
        UserConfiguration stored;
        ASSERT_NO_THROW(stored = decodeConfiguration(test::readAll(path))) << "after kill " << i;
        EXPECT_EQ(stored.shortcuts.size() % 400, 0u) << "a save is whole or absent";
        if (QFileInfo::exists(path + ".previous")) {
            ASSERT_NO_THROW(decodeConfiguration(test::readAll(path + ".previous")))
                << "after kill " << i;
        }
    }
    // The next start loads what the last finished save left.
    test::StandardMemoryDefaults defaults;
    EXPECT_TRUE(ConfigurationStore(defaults, path).isWritable());
}

TEST(CrashSafety, AKilledStateWriteLeavesTheOldOrTheNewState) {
    QTemporaryDir dir;
    const QString path = dir.filePath("state.json");
    QRandomGenerator random(6122026);
    qint64 highest = 0;
    for (int i = 0; i < kills; ++i) {
        killWhileSaving("state", path, random);
        const QByteArray bytes = test::readAll(path);
        ASSERT_NO_THROW(JsonObject::parse(bytes)) << "after kill " << i;
        const std::optional<ContentStoreState> state = ContentStoreState::decode(bytes);
        ASSERT_TRUE(state) << "after kill " << i;
        ASSERT_GE(state->highestSequence, 1);
        EXPECT_EQ(state->current,
                  QStringLiteral("%1-0123456789abcdef").arg(state->highestSequence));
        highest = std::max(highest, state->highestSequence);
    }
    EXPECT_GT(highest, 1);
}

}  // namespace
}  // namespace tundle
