#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <map>

#include "core/content/ContentStoreFixture.h"

namespace tundle {
namespace {

using test::makeRelease;
using test::TestRelease;

// Every entry under `folder` with the bytes of each file; links are listed, never followed.
std::map<QString, QByteArray> treeOf(const QString& folder) {
    std::map<QString, QByteArray> tree;
    QDirIterator entries(folder,
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString path = entries.next();
        const QFileInfo info = entries.fileInfo();
        tree[QDir(folder).relativeFilePath(path)] = info.isSymLink()
                                                        ? "link to " + info.symLinkTarget().toUtf8()
                                                    : info.isDir() ? QByteArray("folder")
                                                                   : test::readAll(path);
    }
    return tree;
}

void copyTree(const QString& from, const QString& to) {
    QDirIterator entries(from, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString path = entries.next();
        const QString target = to + u'/' + QDir(from).relativeFilePath(path);
        if (entries.fileInfo().isDir()) {
            QDir().mkpath(target);
        } else {
            QFile::copy(path, target);
        }
    }
}

// Someone with access to the disk moves a folder of the store aside and puts a link in its
// place, to a look-alike copy beside files of their choosing outside the store.
class ContentStoreHostileDiskTest : public test::ContentStoreFixture {
protected:
    ContentStoreHostileDiskTest() {
        test::writeAll(victim.filePath(QStringLiteral("keep")), "keep");
        test::writeAll(victim.filePath(QStringLiteral("nested/keep")), "nested");
    }

    void replaceByLink(const QString& folder, const QString& aside) {
        copyTree(folder, victim.path());
        ASSERT_TRUE(QFile::rename(folder, aside));
        ASSERT_TRUE(QFile::link(victim.path(), folder));
    }

    QTemporaryDir victim;
    TestRelease second =
        makeRelease(signer, 2, {{"room", {{"scene.json", "{}"}, {"new.png", "new"}}}});
    TestRelease third = makeRelease(signer, 3, {{"room", {{"scene.json", "third"}}}});
};

TEST_F(ContentStoreHostileDiskTest, ReleasesFolderReplacedByALinkLeadsNothingOutside) {
    auto store = makeStore();
    install(*store, first);
    publish(second);
    const test::PrepareOutcome prepared = test::prepareNow(*store);
    ASSERT_TRUE(prepared.snapshot) << prepared.error.toStdString();
    const QByteArray state = stateFile();
    replaceByLink(storePath(QStringLiteral("releases")), storePath(QStringLiteral("aside")));
    const auto victimFiles = treeOf(victim.path());

    publish(third);
    const test::PrepareOutcome refused = test::prepareNow(*store);
    EXPECT_FALSE(refused.snapshot);
    EXPECT_FALSE(refused.error.isEmpty());
    EXPECT_FALSE(test::activateNow(*store, *prepared.snapshot).isEmpty());
    EXPECT_EQ(test::restoreNow(*store), std::nullopt);
    EXPECT_EQ(treeOf(victim.path()), victimFiles);
    EXPECT_EQ(stateFile(), state);
}

TEST_F(ContentStoreHostileDiskTest, StagingFolderReplacedByALinkLeadsNothingOutside) {
    auto store = makeStore();
    install(*store, first);
    publish(second);
    server.hold(test::assetUrl(ContentUpdateStore::digest("new")));
    bool done = false;
    test::PrepareOutcome outcome;
    store->prepare([&](std::optional<ContentSnapshot> snapshot, std::exception_ptr error) {
        outcome = {std::move(snapshot), test::messageOf(error)};
        done = true;
    });
    ASSERT_TRUE(test::runUntil([&] { return server.waitingCount() == 1; }));
    const QStringList staging = QDir(storePath(QStringLiteral("releases")))
                                    .entryList({QStringLiteral("stage-*")}, QDir::Dirs);
    ASSERT_EQ(staging.size(), 1);
    replaceByLink(storePath(QStringLiteral("releases/") + staging[0]),
                  storePath(QStringLiteral("aside")));
    const auto victimFiles = treeOf(victim.path());

    server.releaseHeld();
    ASSERT_TRUE(test::runUntil([&] { return done; }));
    EXPECT_FALSE(outcome.snapshot);
    EXPECT_FALSE(outcome.error.isEmpty());
    EXPECT_EQ(releaseFolders(), QStringList{first.folderName()});
    const auto restored = test::restoreNow(*store);
    ASSERT_TRUE(restored);
    EXPECT_EQ(test::activateNow(*store, *restored), QString());
    EXPECT_EQ(releaseFolders(), QStringList{first.folderName()});
    EXPECT_EQ(treeOf(victim.path()), victimFiles);
}

// The store keeps working in its own folder, which it holds open from its start.
TEST_F(ContentStoreHostileDiskTest, RootsParentReplacedByALinkLeadsNothingOutside) {
    storeRoot = root.filePath(QStringLiteral("parent/store"));
    auto store = makeStore();
    install(*store, first);
    replaceByLink(root.filePath(QStringLiteral("parent")), root.filePath(QStringLiteral("aside")));
    const auto victimFiles = treeOf(victim.path());

    install(*store, second);
    install(*store, third);
    EXPECT_EQ(treeOf(victim.path()), victimFiles);
    EXPECT_EQ(test::readAll(root.filePath(QStringLiteral("aside/store/state.json"))),
              QStringLiteral(R"({"current":"%1","highestSequence":3,"previous":"%2"})")
                  .arg(third.folderName(), second.folderName())
                  .toUtf8());
    QStringList kept{second.folderName(), third.folderName()};
    kept.sort();
    EXPECT_EQ(QDir(root.filePath(QStringLiteral("aside/store/releases")))
                  .entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
              kept);
}

// What a damaged state file still reads as for callers is the empty state, but the newest
// release the store holds keeps every older one out; so it does when a well-formed state file
// says less than the releases held.
TEST_F(ContentStoreHostileDiskTest, DamagedStateFileLetsNoOlderReleaseBackIn) {
    const std::map<const char*, std::function<void(const QString&)>> damages{
        {"cut-short",
         [](const QString& path) {
             const QByteArray bytes = test::readAll(path);
             test::writeAll(path, bytes.left(bytes.size() / 2));
         }},
        {"empty", [](const QString& path) { test::writeAll(path, {}); }},
        {"folder",
         [](const QString& path) {
             QFile::remove(path);
             test::writeAll(path + QStringLiteral("/inside"), "x");
         }},
        {"fifo",
         [](const QString& path) {
             QFile::remove(path);
             ::mkfifo(QFile::encodeName(path).constData(), 0600);
         }},
        {"link-to-dev-zero",
         [](const QString& path) {
             QFile::remove(path);
             QFile::link(QStringLiteral("/dev/zero"), path);
         }},
        {"deleted", [](const QString& path) { QFile::remove(path); }},
        {"lowered", [](const QString& path) { test::writeAll(path, R"({"highestSequence":0})"); }},
    };
    for (const auto& [name, damage] : damages) {
        SCOPED_TRACE(name);
        storeRoot = root.filePath(QString::fromLatin1(name));
        {
            auto store = makeStore();
            install(*store, first);
            install(*store, second);
        }
        damage(storePath(QStringLiteral("state.json")));
        auto store = makeStore();
        EXPECT_EQ(test::restoreNow(*store), std::nullopt);

        publish(first);
        const test::PrepareOutcome replayed = test::prepareNow(*store);
        EXPECT_FALSE(replayed.snapshot);
        EXPECT_EQ(replayed.error, QString());
        EXPECT_EQ(test::activateNow(*store, ContentSnapshot{first.release, releasePath(first)}),
                  QStringLiteral("待激活版本无效"));
        QStringList held{first.folderName(), second.folderName()};
        held.sort();
        EXPECT_EQ(releaseFolders(), held);
        EXPECT_EQ(test::readAll(releasePath(second) + QStringLiteral("/room/new.png")), "new");

        install(*store, third);
        EXPECT_EQ(stateFile(), QStringLiteral(R"({"current":"%1","highestSequence":3})")
                                   .arg(third.folderName())
                                   .toUtf8());
        const auto restored = test::restoreNow(*makeStore());
        ASSERT_TRUE(restored);
        EXPECT_EQ(restored->release, third.release);
    }
}

}  // namespace
}  // namespace tundle
