#include "content/ContentUpdateStore.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>

#include "content/ContentUpdateError.h"
#include "content/Ed25519PublicKey.h"
#include "core/content/ContentStoreFixture.h"
#include "core/content/ContentStoreTestKit.h"
#include "support/ConfigurationError.h"
#include "support/TemporaryHome.h"

namespace tundle {
namespace {

using test::makeRelease;
using test::TestRelease;

using test::assetUrl;
using test::base;
using test::envelopeUrl;

using ContentUpdateStoreTest = test::ContentStoreFixture;

TEST_F(ContentUpdateStoreTest, RefusesBadSettings) {
    const auto refusal = [this](const QString& baseURL, const QString& key,
                                const QString& channel) {
        try {
            ContentUpdateStore(root.path(), baseURL, key, 10, {}, channel, server.fetch());
        } catch (const ContentUpdateError& error) {
            return error.message();
        }
        return QStringLiteral("accepted");
    };
    const QString key = signer.publicKeyBase64();
    const QString stable = QStringLiteral("stable");
    EXPECT_EQ(refusal(base, key, QStringLiteral("rooms-v1")), QStringLiteral("accepted"));
    EXPECT_EQ(refusal(base, key, QStringLiteral("beta")), QStringLiteral("更新配置无效"));
    for (const char* address :
         {"https://content.test/cdn?x=1", "https://user@content.test/", "HTTPS://content.test/",
          "http://content.test/", "https:///cdn", "https://content.test/#top", "content.test"}) {
        EXPECT_EQ(refusal(QString::fromLatin1(address), key, stable),
                  QStringLiteral("更新配置无效"))
            << address;
    }
    EXPECT_EQ(refusal(base, QStringLiteral("not base64!"), stable), QStringLiteral("更新配置无效"));
    EXPECT_THROW(
        ContentUpdateStore(root.path(), base, QString::fromLatin1(QByteArray(31, 'k').toBase64()),
                           10, {}, stable, server.fetch()),
        SignatureKeyError);
    EXPECT_TRUE(QDir(root.filePath(QStringLiteral("releases"))).exists());
}

TEST_F(ContentUpdateStoreTest, PreparesActivatesAndRestoresAcrossInstances) {
    publish(first);
    {
        auto store = makeStore();
        EXPECT_EQ(test::restoreNow(*store), std::nullopt);
        const test::PrepareOutcome prepared = test::prepareNow(*store);
        ASSERT_TRUE(prepared.snapshot) << prepared.error.toStdString();
        EXPECT_EQ(prepared.snapshot->release, first.release);
        EXPECT_EQ(prepared.snapshot->root, releasePath(first));
        EXPECT_EQ(test::readAll(prepared.snapshot->root + QStringLiteral("/room/sky.png")), "sky");
        EXPECT_EQ(test::readAll(prepared.snapshot->root + QStringLiteral("/release.json")),
                  first.envelope);
        EXPECT_EQ(server.requests(),
                  (QStringList{envelopeUrl, assetUrl(ContentUpdateStore::digest("{}")),
                               assetUrl(ContentUpdateStore::digest("sky"))}));
        EXPECT_FALSE(QFile::exists(root.filePath(QStringLiteral("state.json"))));
        EXPECT_EQ(test::activateNow(*store, *prepared.snapshot), QString());
        EXPECT_EQ(stateFile(), QStringLiteral(R"({"current":"%1","highestSequence":1})")
                                   .arg(first.folderName())
                                   .toUtf8());
    }
    auto reopened = makeStore();
    const auto restored = test::restoreNow(*reopened);
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->release, first.release);
    EXPECT_EQ(restored->root, releasePath(first));
}

TEST_F(ContentUpdateStoreTest, OlderOrEqualReleasesFetchNoFile) {
    auto store = makeStore();
    install(*store, makeRelease(signer, 2, {{"room", {{"scene.json", "v2"}}}}));
    server.clearRequests();
    publish(first);
    const test::PrepareOutcome older = test::prepareNow(*store);
    EXPECT_FALSE(older.snapshot);
    EXPECT_EQ(older.error, QString());
    const TestRelease sameSequence = makeRelease(signer, 2, {{"room", {{"scene.json", "other"}}}});
    server.serve(envelopeUrl, sameSequence.envelope);
    const test::PrepareOutcome equal = test::prepareNow(*store);
    EXPECT_FALSE(equal.snapshot);
    EXPECT_EQ(equal.error, QString());
    EXPECT_EQ(server.requests(), (QStringList{envelopeUrl, envelopeUrl}));
}

TEST_F(ContentUpdateStoreTest, BadDownloadLeavesNoStagingAndTheStateUntouched) {
    auto store = makeStore();
    install(*store, first);
    const QByteArray state = stateFile();
    const TestRelease second = makeRelease(signer, 2, {{"room", {{"scene.json", "0123456789"}}}});
    publish(second);
    const QString hash = ContentUpdateStore::digest("0123456789");
    for (const QByteArray& body : {QByteArray("012345678"), QByteArray("0123456780")}) {
        server.serve(assetUrl(hash), body);
        const test::PrepareOutcome outcome = test::prepareNow(*store);
        EXPECT_FALSE(outcome.snapshot);
        EXPECT_EQ(outcome.error, QStringLiteral("下载资源校验失败"));
        EXPECT_EQ(releaseFolders(), QStringList{first.folderName()});
        EXPECT_EQ(stateFile(), state);
    }
    server.serve(assetUrl(hash), "0123456789");
    EXPECT_TRUE(test::prepareNow(*store).snapshot);
}

TEST_F(ContentUpdateStoreTest, ValidatorAndFetchFailuresPassThrough) {
    auto store = makeStore();
    publish(makeRelease(signer, 1, {{"room", {{"scene.json", "{}"}, {"reject", "x"}}}}));
    EXPECT_EQ(test::prepareNow(*store).error, QStringLiteral("场景不可用"));
    EXPECT_TRUE(releaseFolders().isEmpty());
    server.serve(envelopeUrl, makeRelease(signer, 1, {{"room", {{"missing", "?"}}}}).envelope);
    EXPECT_EQ(test::prepareNow(*store).error, QStringLiteral("404 Not Found"));
    EXPECT_TRUE(releaseFolders().isEmpty());
    server.serve(envelopeUrl, "{}");
    EXPECT_FALSE(test::prepareNow(*store).error.isEmpty());
    EXPECT_EQ(*validatorCalls, 1);
}

TEST_F(ContentUpdateStoreTest, FetchThatThrowsEndsOnlyThatPrepare) {
    ContentUpdateStore store(root.path(), base, signer.publicKeyBase64(), 10, {},
                             QStringLiteral("stable"),
                             [](const QString&, qint64, const ContentFetchDone&) {
                                 throw std::runtime_error("offline");
                             });
    EXPECT_EQ(test::prepareNow(store).error, QStringLiteral("offline"));
    EXPECT_EQ(test::prepareNow(store).error, QStringLiteral("offline"));
}

TEST_F(ContentUpdateStoreTest, SecondPrepareWhileTheFirstWaitsAnswersNothing) {
    auto store = makeStore();
    install(*store, first);
    const TestRelease second = makeRelease(signer, 2, {{"room", {{"scene.json", "new"}}}});
    publish(second);
    server.hold(assetUrl(ContentUpdateStore::digest("new")));
    bool firstDone = false;
    test::PrepareOutcome firstOutcome;
    store->prepare([&](std::optional<ContentSnapshot> snapshot, std::exception_ptr error) {
        firstOutcome = {std::move(snapshot), test::messageOf(error)};
        firstDone = true;
    });
    ASSERT_TRUE(test::runUntil([&] { return server.waitingCount() == 1; }));
    const test::PrepareOutcome second2 = test::prepareNow(*store);
    EXPECT_FALSE(second2.snapshot);
    EXPECT_EQ(second2.error, QString());
    const auto restored = test::restoreNow(*store);
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->release.sequence, 1);
    EXPECT_FALSE(firstDone);
    server.releaseHeld();
    ASSERT_TRUE(test::runUntil([&] { return firstDone; }));
    ASSERT_TRUE(firstOutcome.snapshot) << firstOutcome.error.toStdString();
    EXPECT_EQ(firstOutcome.snapshot->release, second.release);
    EXPECT_TRUE(test::prepareNow(*store).snapshot);
}

TEST_F(ContentUpdateStoreTest, ActivationInBetweenRemovesTheWaitingStagingFolder) {
    auto store = makeStore();
    publish(first);
    const auto prepared = test::prepareNow(*store);
    ASSERT_TRUE(prepared.snapshot);
    publish(makeRelease(signer, 2, {{"room", {{"scene.json", "new"}}}}));
    server.hold(assetUrl(ContentUpdateStore::digest("new")));
    bool done = false;
    QString error;
    store->prepare([&](std::optional<ContentSnapshot>, std::exception_ptr failure) {
        error = test::messageOf(failure);
        done = true;
    });
    ASSERT_TRUE(test::runUntil([&] { return server.waitingCount() == 1; }));
    EXPECT_EQ(test::activateNow(*store, *prepared.snapshot), QString());
    EXPECT_EQ(releaseFolders(), QStringList{first.folderName()});
    server.releaseHeld();
    ASSERT_TRUE(test::runUntil([&] { return done; }));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(releaseFolders(), QStringList{first.folderName()});
}

TEST_F(ContentUpdateStoreTest, ActivatingBOverAKeepsExactlyBAndA) {
    auto store = makeStore();
    install(*store, first);
    const TestRelease c = makeRelease(signer, 3, {{"room", {{"scene.json", "c"}}}});
    publish(c);
    ASSERT_TRUE(test::prepareNow(*store).snapshot);
    const TestRelease b = makeRelease(signer, 2, {{"room", {{"scene.json", "b"}}}});
    publish(b);
    const auto prepared = test::prepareNow(*store);
    ASSERT_TRUE(prepared.snapshot);
    QDir(root.path()).mkpath(QStringLiteral("outside"));
    test::writeAll(root.filePath(QStringLiteral("outside/keep")), "keep");
    ASSERT_TRUE(QFile::link(root.filePath(QStringLiteral("outside")),
                            root.filePath(QStringLiteral("releases/link"))));
    EXPECT_EQ(test::activateNow(*store, *prepared.snapshot), QString());
    QStringList expected{first.folderName(), b.folderName()};
    expected.sort();
    EXPECT_EQ(releaseFolders(), expected);
    EXPECT_EQ(test::readAll(root.filePath(QStringLiteral("outside/keep"))), "keep");
    EXPECT_EQ(stateFile(), QStringLiteral(R"({"current":"%1","highestSequence":2,"previous":"%2"})")
                               .arg(b.folderName(), first.folderName())
                               .toUtf8());
}

TEST_F(ContentUpdateStoreTest, ActivationRefusesForeignFoldersAndOlderReleases) {
    auto store = makeStore();
    const TestRelease second = makeRelease(signer, 2, {{"room", {{"scene.json", "b"}}}});
    install(*store, second);
    const ContentSnapshot active{second.release, releasePath(second)};
    for (const QString& folder :
         {root.filePath(QStringLiteral("releases/.")), root.filePath(QStringLiteral("releases")),
          root.filePath(QStringLiteral("elsewhere/") + second.folderName()),
          root.filePath(QStringLiteral("releases/x/../") + second.folderName() +
                        QStringLiteral("/room/.."))}) {
        EXPECT_EQ(test::activateNow(*store, ContentSnapshot{second.release, folder}),
                  folder.endsWith(QLatin1String("/room/..")) ? QString()
                                                             : QStringLiteral("待激活版本无效"))
            << folder.toStdString();
    }
    ContentRelease older = second.release;
    older.sequence = 1;
    EXPECT_EQ(test::activateNow(*store, ContentSnapshot{older, active.root}),
              QStringLiteral("待激活版本无效"));
    EXPECT_EQ(stateFile(), QStringLiteral(R"({"current":"%1","highestSequence":2,"previous":"%1"})")
                               .arg(second.folderName())
                               .toUtf8());
    ContentSnapshot unknownKind = active;
    unknownKind.release.modules[0].kind = QStringLiteral("pet.actions");
    EXPECT_EQ(test::activateNow(*store, unknownKind), QStringLiteral("资源模块无效"));
    test::writeAll(active.root + QStringLiteral("/room/scene.json"), "B");
    EXPECT_EQ(test::activateNow(*store, active), QStringLiteral("资源内容校验失败"));
    test::writeAll(active.root + QStringLiteral("/room/scene.json"), "bb");
    EXPECT_EQ(test::activateNow(*store, active), QStringLiteral("资源大小校验失败"));
}

TEST_F(ContentUpdateStoreTest, ReusesHeldFilesAndEarlierPreparations) {
    auto store = makeStore();
    install(*store, first);
    const TestRelease next = makeRelease(
        signer, 2, {{"room", {{"scene.json", "{}"}, {"sky2.png", "sky"}, {"new.png", "new"}}}});
    publish(next);
    server.clearRequests();
    const auto prepared = test::prepareNow(*store);
    ASSERT_TRUE(prepared.snapshot) << prepared.error.toStdString();
    EXPECT_EQ(server.requests(),
              (QStringList{envelopeUrl, assetUrl(ContentUpdateStore::digest("sky")),
                           assetUrl(ContentUpdateStore::digest("new"))}));
    server.clearRequests();
    EXPECT_EQ(test::prepareNow(*store).snapshot, prepared.snapshot);
    EXPECT_EQ(server.requests(), QStringList{envelopeUrl});
    test::writeAll(prepared.snapshot->root + QStringLiteral("/room/new.png"), "NEW");
    server.clearRequests();
    EXPECT_EQ(test::prepareNow(*store).snapshot, prepared.snapshot);
    EXPECT_EQ(server.requests(),
              (QStringList{envelopeUrl, assetUrl(ContentUpdateStore::digest("sky")),
                           assetUrl(ContentUpdateStore::digest("new"))}));
    EXPECT_EQ(test::readAll(prepared.snapshot->root + QStringLiteral("/room/new.png")), "new");
}

TEST_F(ContentUpdateStoreTest, FolderWithAnotherEnvelopeIsRebuilt) {
    auto store = makeStore();
    publish(first);
    const auto prepared = test::prepareNow(*store);
    ASSERT_TRUE(prepared.snapshot);
    test::writeAll(prepared.snapshot->root + QStringLiteral("/release.json"), first.envelope + " ");
    server.clearRequests();
    EXPECT_EQ(test::prepareNow(*store).snapshot, prepared.snapshot);
    EXPECT_EQ(server.requests().size(), 3);
    EXPECT_EQ(test::readAll(prepared.snapshot->root + QStringLiteral("/release.json")),
              first.envelope);
}

TEST_F(ContentUpdateStoreTest, RestoreFallsBackToThePreviousRelease) {
    const TestRelease second =
        makeRelease(signer, 2, {{"room", {{"scene.json", "b"}, {"sky.png", "sky"}}}});
    {
        auto store = makeStore();
        install(*store, first);
        install(*store, second);
    }
    // Right bytes behind a link still do not count: only regular files are read.
    const QString damaged = releasePath(second) + QStringLiteral("/room/scene.json");
    test::writeAll(root.filePath(QStringLiteral("outside/scene.json")), "b");
    QFile::remove(damaged);
    ASSERT_TRUE(QFile::link(root.filePath(QStringLiteral("outside/scene.json")), damaged));
    auto store = makeStore();
    const auto restored = test::restoreNow(*store);
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->release, first.release);
    EXPECT_EQ(
        stateFile(),
        QStringLiteral(R"({"current":"%1","highestSequence":2})").arg(first.folderName()).toUtf8());
    publish(second);
    server.clearRequests();
    const auto rebuilt = test::prepareNow(*store);
    ASSERT_TRUE(rebuilt.snapshot) << rebuilt.error.toStdString();
    EXPECT_EQ(rebuilt.snapshot->root, releasePath(second));
    EXPECT_EQ(server.requests(),
              (QStringList{envelopeUrl, assetUrl(ContentUpdateStore::digest("b"))}));
    EXPECT_EQ(QFileInfo(damaged).isSymLink(), false);
}

TEST_F(ContentUpdateStoreTest, RestoreSkipsAMissingCurrentFolderAndUnsafeNames) {
    {
        auto store = makeStore();
        install(*store, first);
    }
    test::writeAll(root.filePath(QStringLiteral("state.json")),
                   QStringLiteral(R"({"current":"9-gone","previous":"%1","highestSequence":9})")
                       .arg(first.folderName())
                       .toUtf8());
    auto store = makeStore();
    const auto restored = test::restoreNow(*store);
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->root, releasePath(first));
    EXPECT_EQ(
        stateFile(),
        QStringLiteral(R"({"current":"%1","highestSequence":9})").arg(first.folderName()).toUtf8());
    test::writeAll(root.filePath(QStringLiteral("state.json")),
                   R"({"current":"..","previous":"releases/.","highestSequence":1})");
    EXPECT_EQ(test::restoreNow(*makeStore()), std::nullopt);
    const QByteArray valid =
        QStringLiteral(R"({"current":"%1","highestSequence":1})").arg(first.folderName()).toUtf8();
    test::writeAll(root.filePath(QStringLiteral("state.json")), valid);
    EXPECT_TRUE(test::restoreNow(*makeStore()));
    test::writeAll(root.filePath(QStringLiteral("state.json")), valid + QByteArray(65536, ' '));
    EXPECT_EQ(test::restoreNow(*makeStore()), std::nullopt);
    ::mkfifo(QFile::encodeName(root.filePath(QStringLiteral("state.json.fifo"))).constData(), 0600);
    QFile::remove(root.filePath(QStringLiteral("state.json")));
    ASSERT_TRUE(QFile::rename(root.filePath(QStringLiteral("state.json.fifo")),
                              root.filePath(QStringLiteral("state.json"))));
    EXPECT_EQ(test::restoreNow(*makeStore()), std::nullopt);
}

}  // namespace
}  // namespace tundle
