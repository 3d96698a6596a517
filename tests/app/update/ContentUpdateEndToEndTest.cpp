#include <gtest/gtest.h>

#include "app/update/UpdateTestKit.h"
#include "core/content/ContentStoreTestKit.h"
#include "support/TlsTestServer.h"

namespace tundle {
namespace {

using test::TlsTestServer;

// A signed release carrying the generated H3 pack travels from a loopback server through the
// store, is decoded, waits for the pet to rest, goes live and is found again at the next start.
TEST(ContentUpdateEndToEndTest, SignedPetPackIsPreparedHeldActivatedAndRestored) {
    const test::ContentSigner signer;
    const test::TestRelease release = test::makeRelease(
        signer, 9, {{QStringLiteral("H3"), test::generatedPackFiles(PetAssetPack::h3)}},
        QStringLiteral("pet.actions"));
    const auto certificate = test::ThrowawayCertificate::make();
    TlsTestServer server(certificate);
    test::serveRelease(server, release, false);
    BundleInfo bundle;
    bundle.contentBaseURL = server.url("/cdn");
    bundle.contentPublicKey = signer.publicKeyBase64();
    bundle.bundleVersion = QStringLiteral("1");
    test::ModelTestWorld world;
    const auto start = [&](AppModel& model) {
        auto environment = test::environmentFor(world, bundle);
        environment.transfer.tls = certificate.trustingClient();
        return std::make_unique<UpdateCoordinator>(model, true, std::move(environment));
    };

    {
        auto model = world.model();
        auto coordinator = start(*model);
        ASSERT_TRUE(test::runUntil([&] {
            return model->updates().contentUpdateStatus() ==
                   QStringLiteral("资源已准备好，等待当前互动结束");
        })) << model->updates().contentUpdateStatus().toStdString();
        model->play(QStringLiteral("dance"), 60);
        world.scheduler.advance(2);
        EXPECT_TRUE(model->assetLibrary().remotePacks().empty());
        model->stopAnimation();
        world.scheduler.advance(1);
        ASSERT_TRUE(test::runUntil([&] {
            return model->updates().contentUpdateStatus() == QStringLiteral("资源版本 9 · 已更新");
        }));
        ASSERT_TRUE(model->assetLibrary().remotePacks().contains(PetAssetPack::h3));
        EXPECT_TRUE(model->assetLibrary()
                        .remotePacks()
                        .at(PetAssetPack::h3)
                        ->hasClip(QStringLiteral("dance")));
    }
    EXPECT_TRUE(server.requests().first().startsWith("GET /cdn/content/rooms-v1.json "));

    auto model = world.model();
    QStringList statuses;
    QObject::connect(&model->updates(), &UpdateStatus::contentUpdateStatusChanged,
                     [&] { statuses << model->updates().contentUpdateStatus(); });
    auto coordinator = start(*model);
    ASSERT_TRUE(test::runUntil([&] {
        world.scheduler.advance(1);
        return !statuses.isEmpty();
    }));
    EXPECT_EQ(statuses.first(), QStringLiteral("资源版本 9 · 已更新"));
    EXPECT_TRUE(model->assetLibrary().remotePacks().contains(PetAssetPack::h3));
    ASSERT_TRUE(test::runUntil([&] {
        return model->updates().contentUpdateStatus() == QStringLiteral("资源已是最新版本");
    }));
}

}  // namespace
}  // namespace tundle
