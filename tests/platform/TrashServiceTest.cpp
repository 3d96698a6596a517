#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "companion/TrashRestoreError.h"
#include "companion/TrashService.h"
#include "platform/SystemFileManager.h"
#include "support/FileIO.h"
#include "support/PrivateMounts.h"
#include "support/TemporaryHome.h"

namespace tundle {
namespace {

const QString protectedMessage =
    QStringLiteral("为避免误操作，不能吞掉系统目录、用户主目录或废纸篓。");

// The real Trash, with moves and fingerprint reads that can be made to fail on request.
class StagedFileManager : public SystemFileManager {
public:
    std::optional<QByteArray> moveToTrash(const QByteArray& path) override {
        asked.append(path);
        if (refuseMoves) {
            throw FileError(QStringLiteral("无法移动"));
        }
        const std::optional<QByteArray> location = SystemFileManager::moveToTrash(path);
        return hideLocation ? std::nullopt : location;
    }
    std::optional<TrashedFileIdentity> identity(const QByteArray& path) const override {
        return hideIdentity ? std::nullopt : SystemFileManager::identity(path);
    }
    void restoreFromTrash(const QByteArray& trashedPath, const QByteArray& originalPath) override {
        if (refuseMoves) {
            throw FileError(QStringLiteral("无法放回"));
        }
        SystemFileManager::restoreFromTrash(trashedPath, originalPath);
    }

    QList<QByteArray> asked;
    bool refuseMoves = false;
    bool hideLocation = false;
    bool hideIdentity = false;
};

class TrashServiceTest : public ::testing::Test {
protected:
    TrashServiceTest() : previousHome_(qgetenv("HOME")) { qputenv("HOME", home_.path().toUtf8()); }
    ~TrashServiceTest() override { qputenv("HOME", previousHome_); }

    QString inHome(const QString& relative) const { return home_.filePath(relative); }
    QString write(const QString& relative, const QByteArray& bytes) const {
        test::writeAll(inHome(relative), bytes);
        return inHome(relative);
    }
    static QList<QUrl> fileUrls(const QStringList& paths) {
        QList<QUrl> urls;
        for (const QString& path : paths) {
            urls.append(QUrl::fromLocalFile(path));
        }
        return urls;
    }
    static void expectAllProtected(const TrashResult& result, const QStringList& places) {
        EXPECT_EQ(result.successCount(), 0);
        ASSERT_EQ(result.failures.size(), places.size());
        for (const TrashFailure& failure : result.failures) {
            EXPECT_EQ(failure.message, protectedMessage) << failure.url.toString().toStdString();
        }
    }
    QString trashFolder() const { return data_.filePath(QStringLiteral("Trash")); }

    TrashReceipt trashOne(const QString& path) {
        const TrashResult result = service_.trash({QUrl::fromLocalFile(path)});
        EXPECT_TRUE(result.failures.isEmpty());
        EXPECT_EQ(result.successCount(), 1);
        return result.receipts.value(0);
    }

    void expectRefused(const TrashReceipt& receipt, TrashRestoreError::Reason reason,
                       const QString& message) {
        try {
            service_.undo(receipt);
            ADD_FAILURE() << "undo succeeded";
        } catch (const TrashRestoreError& error) {
            EXPECT_EQ(error, TrashRestoreError(reason));
            EXPECT_EQ(error.message(), message);
        }
    }

    QTemporaryDir home_;
    QByteArray previousHome_;
    test::TemporaryDataHome data_;
    StagedFileManager files_;
    TrashService service_{files_};
};

TEST_F(TrashServiceTest, FilesAndFoldersGoToTheTrashAndComeBack) {
    const QString file = write(QStringLiteral("notes.txt"), "first bytes");
    write(QStringLiteral("album/inner/photo.raw"), "picture");
    const QString folder = inHome(QStringLiteral("album"));
    int changes = 0;
    QObject::connect(&service_, &TrashService::receiptsChanged, [&] { ++changes; });

    const TrashResult result =
        service_.trash({QUrl::fromLocalFile(file), QUrl::fromLocalFile(folder)});

    ASSERT_EQ(result.successCount(), 2);
    EXPECT_TRUE(result.failures.isEmpty());
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(result.receipts[0].originalURL, QUrl::fromLocalFile(file));
    EXPECT_EQ(result.receipts[1].filename(), QStringLiteral("album"));
    EXPECT_EQ(service_.receipts(), (QList{result.receipts[1], result.receipts[0]}));
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_FALSE(QFileInfo::exists(folder));
    const QString trashedFile = result.receipts[0].trashedURL.toLocalFile();
    EXPECT_EQ(trashedFile, trashFolder() + QStringLiteral("/files/notes.txt"));
    EXPECT_EQ(test::readAll(trashedFile), "first bytes");
    EXPECT_TRUE(QFileInfo::exists(trashFolder() + QStringLiteral("/info/notes.txt.trashinfo")));

    service_.undo(result.receipts[0]);
    service_.undo(result.receipts[1]);

    EXPECT_EQ(test::readAll(file), "first bytes");
    EXPECT_EQ(test::readAll(folder + QStringLiteral("/inner/photo.raw")), "picture");
    EXPECT_TRUE(service_.receipts().isEmpty());
    EXPECT_EQ(changes, 4);
    EXPECT_TRUE(QDir(trashFolder() + QStringLiteral("/files")).isEmpty());
    EXPECT_TRUE(QDir(trashFolder() + QStringLiteral("/info")).isEmpty());
}

TEST_F(TrashServiceTest, TwoFilesOfOneNameComeBackToTheirOwnPlaces) {
    const QString first = write(QStringLiteral("a/report.txt"), "from a");
    const QString second = write(QStringLiteral("b/report.txt"), "from b");

    const TrashResult result =
        service_.trash({QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)});
    ASSERT_EQ(result.successCount(), 2);
    EXPECT_NE(result.receipts[0].trashedURL, result.receipts[1].trashedURL);

    service_.undo(result.receipts[1]);
    service_.undo(result.receipts[0]);

    EXPECT_EQ(test::readAll(first), "from a");
    EXPECT_EQ(test::readAll(second), "from b");
}

TEST_F(TrashServiceTest, OneItemWrittenSeveralWaysIsTrashedOnce) {
    const QString file = write(QStringLiteral("docs/plan.txt"), "plan");
    const QUrl web(QStringLiteral("https://example.com/plan.txt"));

    const TrashResult result = service_.trash(
        {QUrl::fromLocalFile(inHome(QStringLiteral("docs/./plan.txt"))), QUrl::fromLocalFile(file),
         QUrl::fromLocalFile(inHome(QStringLiteral("docs/x/../plan.txt"))), web,
         QUrl(QStringLiteral("file://server/plan.txt"))});

    EXPECT_EQ(result.successCount(), 1);
    EXPECT_EQ(result.receipts[0].originalURL, QUrl::fromLocalFile(file));
    EXPECT_EQ(service_.receipts().size(), 1);
    const QString notLocal = QStringLiteral("仅支持本机文件与文件夹。");
    EXPECT_EQ(result.failures,
              (QList<TrashFailure>{{web, notLocal},
                                   {QUrl(QStringLiteral("file://server/plan.txt")), notLocal}}));
}

TEST_F(TrashServiceTest, ProtectedPlacesInTheHomeAreRefusedAndLeftAlone) {
    write(QStringLiteral(".local/share/app/data"), "keep");
    write(QStringLiteral(".config/app.conf"), "keep");
    write(QStringLiteral("Library/Prefs"), "keep");
    write(QStringLiteral("usb/.Trash-1000/files/old.txt"), "keep");
    write(QStringLiteral("usb/.Trash/1000/files/old.txt"), "keep");
    write(QStringLiteral("usb/.Trashes/501/old.txt"), "keep");
    const TrashReceipt trashed = trashOne(write(QStringLiteral("gone.txt"), "gone"));
    QFile::link(QStringLiteral("/etc"), inHome(QStringLiteral("etc-link")));
    QDir(home_.path()).mkdir(QStringLiteral("sub"));
    QFile::link(home_.path(), inHome(QStringLiteral("sub/home-link")));
    const QStringList places{home_.path(),
                             inHome(QStringLiteral(".local")),
                             inHome(QStringLiteral(".config")),
                             inHome(QStringLiteral("Library")),
                             trashFolder(),
                             trashed.trashedURL.toLocalFile(),
                             trashFolder() + QStringLiteral("/info"),
                             inHome(QStringLiteral("usb/.Trash-1000/files/old.txt")),
                             inHome(QStringLiteral("usb/.Trash/1000")),
                             inHome(QStringLiteral("usb/.Trashes/501/old.txt")),
                             inHome(QStringLiteral("etc-link")),
                             inHome(QStringLiteral("sub/home-link"))};

    const TrashResult result = service_.trash(fileUrls(places));

    expectAllProtected(result, places);
    EXPECT_EQ(files_.asked.size(), 1);
    for (const QString& place : places) {
        EXPECT_TRUE(QFileInfo(place).exists()) << place.toStdString();
    }
    EXPECT_EQ(service_.receipts(), QList{trashed});
}

TEST_F(TrashServiceTest, SystemPlacesAndMountPointsAreRefusedBeforeAnyMove) {
    files_.refuseMoves = true;
    QStringList places = QStringLiteral(
                             "/ /System /Library /Applications /Users /Volumes /private /usr /bin "
                             "/sbin /dev /etc /tmp /var /private/etc /private/tmp /private/var "
                             "/boot /home /lib /lib32 /lib64 /media /mnt /opt /proc /root /run "
                             "/snap /srv /sys /Volumes/Backup /media/ann/USB /run/media/ann/USB")
                             .split(u' ');
    const QByteArray mounts = test::readAll(QStringLiteral("/proc/self/mounts"));
    for (const QString& candidate : {QStringLiteral("/dev/shm"), QStringLiteral("/dev/pts")}) {
        if (mounts.contains(' ' + candidate.toUtf8() + ' ')) {
            places.append(candidate);
        }
    }

    const TrashResult result = service_.trash(fileUrls(places));

    expectAllProtected(result, places);
    EXPECT_TRUE(files_.asked.isEmpty());
}

TEST_F(TrashServiceTest, LinksToSystemPlacesAndBindMountsAreRefused) {
    files_.refuseMoves = true;
    QStringList places;
    // On a merged /usr, "/bin" leads to "/usr/bin": a link to either is refused.
    for (const QString& system : {QStringLiteral("/bin"), QStringLiteral("/lib")}) {
        const QString link = inHome(QStringLiteral("links") + system);
        QDir().mkpath(QFileInfo(link).absolutePath());
        ASSERT_TRUE(QFile::link(system, link));
        places << link << QFileInfo(system).canonicalFilePath();
    }
    test::PrivateMounts mounts;
    QTemporaryDir outside;
    if (mounts.available()) {
        // A bind mount shares its device with the folder above it.
        const QString mounted = inHome(QStringLiteral("bound"));
        QDir().mkpath(mounted);
        ASSERT_TRUE(mounts.bind(outside.path(), mounted));
        places << mounted;
    }

    const TrashResult result = service_.trash(fileUrls(places));

    expectAllProtected(result, places);
    EXPECT_TRUE(files_.asked.isEmpty());
}

TEST_F(TrashServiceTest, OnlyTheListedPlacesThemselvesAreProtected) {
    const QUrl home = QUrl::fromLocalFile(inHome(QStringLiteral("users/ann")));
    const QUrl trash = QUrl::fromLocalFile(trashFolder());
    const auto isProtected = [&](const QString& path) {
        return TrashService::isProtectedLocation(QUrl::fromLocalFile(path), home, trash);
    };
    EXPECT_TRUE(isProtected(inHome(QStringLiteral("users"))));
    EXPECT_TRUE(isProtected(home_.path()));
    EXPECT_TRUE(isProtected(inHome(QStringLiteral("users/ann/.local"))));
    EXPECT_FALSE(isProtected(write(QStringLiteral("users/ann/direct.txt"), "x")));
    EXPECT_FALSE(isProtected(write(QStringLiteral("users/bob/direct.txt"), "x")));
    EXPECT_FALSE(isProtected(write(QStringLiteral("users/ann/.local/share/app/data"), "x")));
    EXPECT_FALSE(isProtected(write(QStringLiteral("Trash/files/x"), "x")));
    EXPECT_FALSE(isProtected(write(QStringLiteral(".Trash-me/x"), "x")));
    EXPECT_FALSE(isProtected(QStringLiteral("/Applications/Editor")));
    EXPECT_FALSE(isProtected(QStringLiteral("/media/ann/USB/photos")));
    EXPECT_FALSE(isProtected(QStringLiteral("/usr/share")));
}

TEST_F(TrashServiceTest, FailedMovesAndUnreadableFingerprintsBecomeFailures) {
    const QString stays = write(QStringLiteral("stays.txt"), "stays");
    const QString unplaced = write(QStringLiteral("unplaced.txt"), "unplaced");
    const QString unknown = write(QStringLiteral("unknown.txt"), "unknown");

    files_.refuseMoves = true;
    const TrashResult refused = service_.trash({QUrl::fromLocalFile(stays)});
    files_.refuseMoves = false;
    files_.hideLocation = true;
    const TrashResult noPlace = service_.trash({QUrl::fromLocalFile(unplaced)});
    files_.hideLocation = false;
    files_.hideIdentity = true;
    const TrashResult noIdentity = service_.trash({QUrl::fromLocalFile(unknown)});

    EXPECT_EQ(refused.failures, (QList<TrashFailure>{{QUrl::fromLocalFile(stays), "无法移动"}}));
    EXPECT_EQ(test::readAll(stays), "stays");
    EXPECT_EQ(
        noPlace.failures.value(0).message,
        QStringLiteral("文件已移入系统废纸篓，但系统未返回位置，请在文件管理器的废纸篓中恢复。"));
    EXPECT_EQ(
        noIdentity.failures.value(0).message,
        QStringLiteral("文件已移入系统废纸篓，但无法验证其身份，请在文件管理器的废纸篓中恢复。"));
    EXPECT_EQ(test::readAll(trashFolder() + QStringLiteral("/files/unknown.txt")), "unknown");
    EXPECT_TRUE(service_.receipts().isEmpty());
}

TEST_F(TrashServiceTest, UndoRefusesAnOccupiedPlaceAndMovesNothing) {
    const QString path = write(QStringLiteral("letter.txt"), "original");
    const TrashReceipt receipt = trashOne(path);
    const QString trashed = receipt.trashedURL.toLocalFile();
    const QString occupied =
        QStringLiteral("原位置已有同名项目，未覆盖。请先在文件管理器中处理同名项目。");

    write(QStringLiteral("letter.txt"), "newcomer");
    expectRefused(receipt, TrashRestoreError::Reason::destinationExists, occupied);
    EXPECT_EQ(test::readAll(path), "newcomer");

    QFile::remove(path);
    QFile::link(inHome(QStringLiteral("nowhere")), path);
    expectRefused(receipt, TrashRestoreError::Reason::destinationExists, occupied);
    EXPECT_EQ(QFileInfo(path).symLinkTarget(), inHome(QStringLiteral("nowhere")));

    QFile::remove(path);
    files_.refuseMoves = true;
    EXPECT_THROW(service_.undo(receipt), FileError);
    EXPECT_EQ(test::readAll(trashed), "original");
    EXPECT_EQ(service_.receipts(), QList{receipt});

    files_.refuseMoves = false;
    service_.undo(receipt);
    EXPECT_EQ(test::readAll(path), "original");
}

TEST_F(TrashServiceTest, UndoRefusesAReplacedOrEmptiedItemAndUnknownReceipts) {
    const TrashReceipt replaced = trashOne(write(QStringLiteral("one.txt"), "one"));
    const TrashReceipt emptied = trashOne(write(QStringLiteral("two.txt"), "two"));
    const QString replacedPath = replaced.trashedURL.toLocalFile();
    const QString impostor = write(QStringLiteral("impostor.txt"), "impostor");
    ASSERT_TRUE(QFile::remove(replacedPath));
    ASSERT_TRUE(QFile::rename(impostor, replacedPath));
    ASSERT_TRUE(QFile::remove(emptied.trashedURL.toLocalFile()));

    expectRefused(replaced, TrashRestoreError::Reason::trashedFileChanged,
                  QStringLiteral("废纸篓中的同名项目已被替换。为避免移动其他文件，未执行恢复。"));
    expectRefused(emptied, TrashRestoreError::Reason::trashedFileMissing,
                  QStringLiteral("项目已被移出或清空，无法从废纸篓恢复。"));
    EXPECT_EQ(test::readAll(replacedPath), "impostor");
    EXPECT_FALSE(QFileInfo::exists(replaced.originalURL.toLocalFile()));

    const QString unknown = QStringLiteral("只能恢复本次运行中由糯墩移入废纸篓的项目。");
    TrashReceipt later = replaced;
    later.movedAt = later.movedAt.addSecs(1);
    TrashReceipt elsewhere = replaced;
    elsewhere.trashedURL = QUrl::fromLocalFile(inHome(QStringLiteral("impostor.txt")));
    TrashReceipt stranger = replaced;
    stranger.id = QUuid::createUuid();
    for (const TrashReceipt& receipt : {later, elsewhere, stranger}) {
        expectRefused(receipt, TrashRestoreError::Reason::unknownReceipt, unknown);
    }
    EXPECT_EQ(service_.receipts(), (QList{emptied, replaced}));

    const TrashReceipt restored = trashOne(write(QStringLiteral("three.txt"), "three"));
    service_.undo(restored);
    expectRefused(restored, TrashRestoreError::Reason::unknownReceipt, unknown);
    EXPECT_EQ(test::readAll(restored.originalURL.toLocalFile()), "three");
}

TEST_F(TrashServiceTest, TheTrashIsMadeWhereTheDataFolderWillBe) {
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    const QString missing = inHome(QStringLiteral("not-yet/data"));
    qputenv("XDG_DATA_HOME", missing.toUtf8());
    const TrashResult result = service_.trash({QUrl::fromLocalFile(write("cwd.txt", "cwd"))});
    qputenv("XDG_DATA_HOME", previous);

    ASSERT_EQ(result.successCount(), 1);
    EXPECT_EQ(result.receipts[0].trashedURL.toLocalFile(), missing + "/Trash/files/cwd.txt");
    EXPECT_EQ(test::readAll(missing + "/Trash/files/cwd.txt"), "cwd");
    EXPECT_TRUE(QFileInfo::exists(missing + "/Trash/info/cwd.txt.trashinfo"));
    EXPECT_FALSE(QFileInfo::exists(QDir::current().filePath("files/cwd.txt")));
}

}  // namespace
}  // namespace tundle
