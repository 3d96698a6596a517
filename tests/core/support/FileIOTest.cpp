#include "support/FileIO.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <QTemporaryDir>

#include "config/ConfigurationStoreRead.h"
#include "support/ConfigurationError.h"
#include "support/TemporaryHome.h"

namespace tundle {
namespace {

TEST(FileIO, ReadsAtMostOneByteOverTheLimit) {
    QTemporaryDir dir;
    const QString path = dir.filePath("data");
    test::writeAll(path, QByteArray(100, 'x'));
    EXPECT_EQ(FileIO::readAtMost(path, 10).size(), 11);
    EXPECT_EQ(FileIO::readAtMost(path, 100).size(), 100);
    test::writeAll(path, QByteArray());
    EXPECT_TRUE(FileIO::readAtMost(path, 10).isEmpty());
}

// A generous limit costs nothing for a small file; a file that says it holds nothing (as
// /proc's do) is still read whole, up to the limit.
TEST(FileIO, BoundedReadsHoldWhatTheFileHoldsNotTheLimit) {
    QTemporaryDir dir;
    const QString path = dir.filePath("clip.wav");
    test::writeAll(path, QByteArray(2048, 'x'));
    const QByteArray small = FileIO::readAtMost(path, 64 * 1024 * 1024);
    EXPECT_EQ(small.size(), 2048);
    EXPECT_LE(small.capacity(), 2049);

    const QByteArray mounts = FileIO::readAtMost(QStringLiteral("/proc/self/mountinfo"), 1 << 23);
    EXPECT_TRUE(mounts.endsWith('\n'));
    EXPECT_EQ(mounts.count('\n'),
              test::readAll(QStringLiteral("/proc/self/mountinfo")).count('\n'));
    EXPECT_LE(mounts.capacity(), mounts.size() + 1);
    EXPECT_EQ(FileIO::readAtMost(QStringLiteral("/proc/self/mountinfo"), 10).size(), 11);
}

TEST(FileIO, WritingAllGoesOnAfterShortWritesAndFailsOnWritesThatTakeNothing) {
    QByteArray written;
    int interruptions = 1;
    const auto piecemeal = [&](const char* data, std::size_t size) -> ssize_t {
        if (interruptions-- > 0) {
            errno = EINTR;
            return -1;
        }
        written.append(data, qsizetype(std::min<std::size_t>(size, 3)));
        return ssize_t(std::min<std::size_t>(size, 3));
    };
    EXPECT_EQ(FileIO::writeAll(piecemeal, "ten bytes!"), 0);
    EXPECT_EQ(written, "ten bytes!");

    int calls = 0;
    const auto stuck = [&](const char*, std::size_t) -> ssize_t { return ++calls > 1 ? 0 : 4; };
    EXPECT_EQ(FileIO::writeAll(stuck, "ten bytes!"), EIO);
    EXPECT_EQ(calls, 2);
    const auto full = [](const char*, std::size_t) -> ssize_t {
        errno = ENOSPC;
        return -1;
    };
    EXPECT_EQ(FileIO::writeAll(full, "x"), ENOSPC);

    const int device = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(device, 0);
    try {
        FileIO::writeAll(device, "x", QStringLiteral("/dev/full"));
        ADD_FAILURE() << "a full device took the bytes";
    } catch (const FileError& error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("无法写入文件“/dev/full”：") + qt_error_string(ENOSPC));
    }
    ::close(device);
}

TEST(FileIO, BoundedReadRefusesOverLongFilesAndNamesMissingOnes) {
    QTemporaryDir dir;
    const QString path = dir.filePath("weather.json");
    test::writeAll(path, QByteArray(16384, 'x'));
    EXPECT_EQ(ConfigurationStoreRead::read(path, 16384).size(), 16384);
    test::writeAll(path, QByteArray(16385, 'x'));
    try {
        ConfigurationStoreRead::read(path, 16384);
        FAIL() << "an over-long file was read";
    } catch (const ConfigurationError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("文件过大"));
    }
    try {
        FileIO::readAtMost(dir.filePath("missing"), 10);
        FAIL() << "a missing file was read";
    } catch (const FileError& error) {
        EXPECT_TRUE(error.message().startsWith(
            QStringLiteral("无法打开文件“%1”：").arg(dir.filePath("missing"))));
    }
}

TEST(FileIO, BoundedReadsOpenWithoutWaitingAndReadOnlyRegularFiles) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo");
    const QString file = dir.filePath("file");
    const QString link = dir.filePath("link");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    test::writeAll(file, "bytes");
    ASSERT_TRUE(QFile::link(file, link));

    for (const QString& path : {fifo, QStringLiteral("/dev/zero"), dir.path()}) {
        try {
            FileIO::readAtMost(path, 10);
            ADD_FAILURE() << "read " << path.toStdString();
        } catch (const FileError& error) {
            EXPECT_EQ(error.message(), QStringLiteral("“%1”不是普通文件。").arg(path));
        }
    }
    EXPECT_EQ(FileIO::readAtMost(link, 10), QByteArray("bytes"));
    EXPECT_THROW(FileIO::readAtMost(link, 10, FileIO::FinalLink::refuse), FileError);
}

TEST(FileIO, AtomicWriteCreatesFoldersAndReplacesWholeFiles) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a/b/c.json");
    FileIO::writeAtomically(path, "first version, longer");
    FileIO::writeAtomically(path, "second");
    EXPECT_EQ(test::readAll(path), QByteArray("second"));
    EXPECT_EQ(QDir(dir.filePath("a/b")).entryList(QDir::Files), QStringList{"c.json"});

    test::writeAll(dir.filePath("blocker"), "a file, not a folder");
    EXPECT_THROW(FileIO::writeAtomically(dir.filePath("blocker/c.json"), "x"), FileError);
}

}  // namespace
}  // namespace tundle
