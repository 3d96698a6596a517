#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <atomic>

#include "content/ContentHTTP.h"
#include "content/ContentUpdateStore.h"
#include "core/content/ContentStoreTestKit.h"
#include "support/TemporaryHome.h"
#include "support/TlsTestServer.h"

namespace tundle {
namespace {

using test::TlsTestServer;

// A release signed here, served over HTTPS on the loopback, downloaded, checked, activated
// and found again by a store opened afterwards.
TEST(ContentReleaseEndToEndTest, SignedReleaseTravelsFromServerToRestore) {
    const test::ContentSigner signer;
    test::TestRelease release = test::makeRelease(
        signer, 4,
        {{"room", {{"scene.json", R"({"name":"room"})"}, {"sky.png", QByteArray(70000, 's')}}},
         {"pet", {{"idle.png", QByteArray(1000, 'p')}}}});
    release.release.modules[1].kind = QStringLiteral("pet.actions");
    release.envelope = signer.signRelease(release.release);
    const auto certificate = test::ThrowawayCertificate::make();
    TlsTestServer server(certificate);
    test::serveRelease(server, release, true);
    ContentHTTP::Settings settings;
    settings.tls = certificate.trustingClient();
    const ContentFetch fetch = [settings](const QString& url, qint64 limit,
                                          const ContentFetchDone& done) {
        ContentHTTP::get(url, limit, done, settings);
    };
    auto folders = std::make_shared<QStringList>();
    const auto accept = [folders](const ContentModule&, const QString& folder) {
        folders->append(folder);
    };
    const ContentValidators validators{{QStringLiteral("room.scene"), accept},
                                       {QStringLiteral("pet.actions"), accept}};
    QTemporaryDir root;
    const auto open = [&] {
        return std::make_unique<ContentUpdateStore>(root.path(), server.url("/cdn/"),
                                                    signer.publicKeyBase64(), 1, validators,
                                                    QStringLiteral("rooms-v1"), fetch);
    };

    {
        auto store = open();
        const test::PrepareOutcome prepared = test::prepareNow(*store);
        ASSERT_TRUE(prepared.snapshot) << prepared.error.toStdString();
        EXPECT_EQ(prepared.snapshot->release, release.release);
        EXPECT_EQ(test::readAll(prepared.snapshot->root + QStringLiteral("/room/sky.png")),
                  QByteArray(70000, 's'));
        EXPECT_EQ(test::activateNow(*store, *prepared.snapshot), QString());
    }
    EXPECT_EQ(server.requests().size(), 4);
    auto reopened = open();
    const auto restored = test::restoreNow(*reopened);
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->release, release.release);
    EXPECT_EQ(restored->root,
              QDir::cleanPath(root.filePath(QStringLiteral("releases/") + release.folderName())));
    EXPECT_TRUE(folders->contains(restored->directory(restored->release.modules[1])));
}

}  // namespace
}  // namespace tundle
