#include "platform/FreedesktopTrash.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include "companion/TrashService.h"
#include "platform/SystemFileManager.h"
#include "support/LocalPath.h"
#include "support/PrivateMounts.h"
#include "support/TemporaryHome.h"

namespace tundle {
namespace {

QByteArray bytesOf(const QString& path) {
    return QFile::encodeName(path);
}

// Makes a file whose name is given as bytes.
void makeFile(const QByteArray& path, const QByteArray& bytes) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0) << path.toStdString();
    ASSERT_EQ(::write(fd, bytes.constData(), size_t(bytes.size())), bytes.size());
    ::close(fd);
}

// Read by the name's bytes: decoded to text, a name that is not UTF-8 would name another file.
QByteArray contents(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_RDONLY);
    if (fd < 0) {
        return {};
    }
    QByteArray bytes(4096, Qt::Uninitialized);
    const ssize_t got = ::read(fd, bytes.data(), size_t(bytes.size()));
    ::close(fd);
    bytes.resize(std::max<ssize_t>(got, 0));
    return bytes;
}

bool exists(const QByteArray& path) {
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0;
}

// The Path= value of a description, decoded.
QByteArray describedPath(const QByteArray& infoText) {
    for (const QByteArray& line : infoText.split('\n')) {
        if (line.startsWith("Path=")) {
            return QByteArray::fromPercentEncoding(line.mid(5));
        }
    }
    return {};
}

QByteArray infoOf(const QByteArray& trashed) {
    const QByteArray trash = LocalPath::folder(LocalPath::folder(trashed));
    return contents(trash + "/info/" + LocalPath::name(trashed) + ".trashinfo");
}

class FreedesktopTrashTest : public ::testing::Test {
protected:
    QByteArray item(const QByteArray& name, const QByteArray& bytes = "bytes") {
        const QByteArray path = bytesOf(dir_.path()) + '/' + name;
        makeFile(path, bytes);
        return path;
    }
    QString trashFolder() const { return data_.filePath(QStringLiteral("Trash")); }

    // Local time, as the Trash's descriptions are written.
    const QDateTime deletedAt_{QDate(2026, 3, 4), QTime(5, 6, 7)};
    QTemporaryDir dir_;
    test::TemporaryDataHome data_;
    SystemFileManager files_{[this] { return deletedAt_; }};
    TrashService service_{files_};
};

TEST_F(FreedesktopTrashTest, NamesWithLineBreaksAndEscapesAreDescribedPercentEncoded) {
    const QList<QByteArray> paths{item("two\nlines.txt"), item("a%20b c.txt"), item("#?&;=+.txt")};
    QList<QUrl> urls;
    for (const QByteArray& path : paths) {
        urls.append(LocalPath::toUrl(path));
    }

    const TrashResult result = service_.trash(urls);

    ASSERT_EQ(result.successCount(), paths.size());
    for (qsizetype index = 0; index < paths.size(); ++index) {
        const QByteArray info = infoOf(LocalPath::fromUrl(result.receipts[index].trashedURL));
        EXPECT_EQ(info.count('\n'), 3) << info.toStdString();
        EXPECT_TRUE(info.startsWith("[Trash Info]\nPath=/"));
        EXPECT_TRUE(info.endsWith("\nDeletionDate=2026-03-04T05:06:07\n"));
        EXPECT_EQ(describedPath(info), paths[index]);
        EXPECT_FALSE(exists(paths[index]));
    }
    EXPECT_TRUE(infoOf(LocalPath::fromUrl(result.receipts[1].trashedURL)).contains("a%2520b%20c"));

    for (const TrashReceipt& receipt : result.receipts) {
        service_.undo(receipt);
    }
    for (const QByteArray& path : paths) {
        EXPECT_EQ(contents(path), "bytes") << path.toStdString();
    }
    EXPECT_TRUE(QDir(trashFolder() + "/info").isEmpty());
}

TEST_F(FreedesktopTrashTest, ANameThatIsNotUtf8IsTrashedAndRestoredExactly) {
    const QByteArray bad = item("bad\xff", "the real one");
    // What the broken name decodes to as text: another file, which must stay untouched.
    const QByteArray decoy = item("bad\xef\xbf\xbd", "the decoy");
    const QUrl url = QUrl::fromEncoded(QUrl::fromLocalFile(dir_.path()).toEncoded() + "/bad%FF");

    const TrashResult result = service_.trash({url});

    ASSERT_EQ(result.successCount(), 1);
    EXPECT_EQ(result.receipts[0].originalURL, url);
    EXPECT_FALSE(exists(bad));
    EXPECT_EQ(contents(decoy), "the decoy");
    const QByteArray trashed = LocalPath::fromUrl(result.receipts[0].trashedURL);
    EXPECT_EQ(LocalPath::name(trashed), "bad\xff");
    EXPECT_EQ(contents(trashed), "the real one");
    EXPECT_EQ(describedPath(infoOf(trashed)), bad);

    service_.undo(result.receipts[0]);
    EXPECT_EQ(contents(bad), "the real one");
    EXPECT_EQ(contents(decoy), "the decoy");
    // The temporary folder cannot remove a name it cannot spell.
    ::unlink(bad.constData());
}

TEST_F(FreedesktopTrashTest, AThousandItemsOfOneNameAllFindTheirOwnPlace) {
    QList<QUrl> urls;
    for (int index = 0; index < 1000; ++index) {
        const QByteArray folder = bytesOf(dir_.path()) + '/' + QByteArray::number(index);
        ASSERT_EQ(::mkdir(folder.constData(), 0700), 0);
        makeFile(folder + "/same.txt", QByteArray::number(index));
        urls.append(LocalPath::toUrl(folder + "/same.txt"));
    }
    QSet<QUrl> places;
    for (qsizetype start = 0; start < urls.size(); start += 32) {
        const TrashResult result = service_.trash(urls.mid(start, 32));
        ASSERT_TRUE(result.failures.isEmpty()) << result.failures[0].message.toStdString();
        for (const TrashReceipt& receipt : result.receipts) {
            places.insert(receipt.trashedURL);
            EXPECT_TRUE(receipt.trashedURL.fileName().endsWith(QStringLiteral(".txt")));
        }
    }
    EXPECT_EQ(places.size(), 1000);
    EXPECT_EQ(QDir(trashFolder() + "/files").count(), 1002u);
    EXPECT_EQ(QDir(trashFolder() + "/info").count(), 1002u);
    for (const TrashReceipt& receipt : service_.receipts()) {
        const QByteArray trashed = LocalPath::fromUrl(receipt.trashedURL);
        ASSERT_EQ(describedPath(infoOf(trashed)), LocalPath::fromUrl(receipt.originalURL));
        ASSERT_EQ(contents(trashed),
                  LocalPath::name(LocalPath::folder(LocalPath::fromUrl(receipt.originalURL))));
    }
}

TEST_F(FreedesktopTrashTest, LongNamesAreShortenedToFitTheirDescription) {
    const QByteArray name = QByteArray(200, 'x') + QByteArray("文").repeated(15) + ".txt";
    ASSERT_LE(name.size(), 255);
    const TrashResult result = service_.trash({LocalPath::toUrl(item(name))});
    ASSERT_EQ(result.successCount(), 1);
    const QByteArray trashed = LocalPath::fromUrl(result.receipts[0].trashedURL);
    EXPECT_LE(LocalPath::name(trashed).size() + 10, 255);
    EXPECT_TRUE(LocalPath::name(trashed).endsWith(".txt"));
    EXPECT_EQ(QFile::encodeName(QFile::decodeName(LocalPath::name(trashed))),
              LocalPath::name(trashed));
}

// An `info` folder that cannot be written used to make the move retry forever.
TEST_F(FreedesktopTrashTest, AnUnwritableInfoFolderFailsTheItemAndLeavesItInPlace) {
    const QString info = trashFolder() + "/info";
    ASSERT_TRUE(QDir().mkpath(info));
    ASSERT_TRUE(QDir().mkpath(trashFolder() + "/files"));
    test::PrivateMounts mounts;
    if (::geteuid() == 0) {
        if (!mounts.available()) {
            GTEST_SKIP() << "root ignores folder permissions and cannot mount here: "
                         << mounts.reason().toStdString();
        }
        ASSERT_TRUE(mounts.bind(info, info, true));
    } else {
        ASSERT_TRUE(QFile::setPermissions(info, QFile::ReadOwner | QFile::ExeOwner));
    }
    const QByteArray path = item("stays.txt");

    const TrashResult result = service_.trash({LocalPath::toUrl(path)});

    QFile::setPermissions(info, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(result.failures.size(), 1);
    EXPECT_TRUE(result.failures[0].message.startsWith(
        QStringLiteral("无法将“%1”移入废纸篓：").arg(QFile::decodeName(path))));
    EXPECT_EQ(contents(path), "bytes");
    EXPECT_TRUE(QDir(trashFolder() + "/files").isEmpty());
    EXPECT_TRUE(service_.receipts().isEmpty());
}

// Items on another file system go to that volume's own Trash, described relative to its top;
// a read-only volume fails the item at once.
TEST_F(FreedesktopTrashTest, ItemsOnAVolumeUseItsOwnTrash) {
    test::PrivateMounts mounts;
    if (!mounts.available()) {
        GTEST_SKIP() << "a volume needs root: " << mounts.reason().toStdString();
    }
    const QString volume = dir_.filePath("volume");
    ASSERT_TRUE(QDir().mkpath(volume));
    ASSERT_TRUE(mounts.smallFileSystem(volume, 1 << 20));
    const QByteArray top = bytesOf(volume);
    const QByteArray user = QByteArray::number(::geteuid());
    ASSERT_EQ(::mkdir((top + "/docs").constData(), 0755), 0);
    makeFile(top + "/docs/first.txt", "first");
    makeFile(top + "/docs/second.txt", "second");

    const TrashResult own = service_.trash({LocalPath::toUrl(top + "/docs/first.txt")});
    ASSERT_EQ(own.successCount(), 1);
    const QByteArray ownTrashed = LocalPath::fromUrl(own.receipts[0].trashedURL);
    EXPECT_EQ(ownTrashed, top + "/.Trash-" + user + "/files/first.txt");
    EXPECT_EQ(describedPath(infoOf(ownTrashed)), "docs/first.txt");

    // A shared .Trash counts only with the sticky bit.
    ASSERT_EQ(::mkdir((top + "/.Trash").constData(), 01777), 0);
    ASSERT_EQ(::chmod((top + "/.Trash").constData(), 01777), 0);
    const TrashResult shared = service_.trash({LocalPath::toUrl(top + "/docs/second.txt")});
    ASSERT_EQ(shared.successCount(), 1);
    EXPECT_EQ(LocalPath::fromUrl(shared.receipts[0].trashedURL),
              top + "/.Trash/" + user + "/files/second.txt");
    service_.undo(shared.receipts[0]);
    EXPECT_EQ(contents(top + "/docs/second.txt"), "second");

    ASSERT_TRUE(test::PrivateMounts::makeReadOnly(volume));
    const TrashResult readOnly = service_.trash({LocalPath::toUrl(top + "/docs/second.txt")});
    ASSERT_EQ(readOnly.failures.size(), 1);
    EXPECT_TRUE(readOnly.failures[0].message.endsWith(QStringLiteral("Read-only file system")))
        << readOnly.failures[0].message.toStdString();
    EXPECT_EQ(contents(top + "/docs/second.txt"), "second");
}

}  // namespace
}  // namespace tundle
