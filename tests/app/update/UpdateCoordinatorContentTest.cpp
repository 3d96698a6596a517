#include <gtest/gtest.h>

#include "app/update/UpdateTestKit.h"
#include "content/ContentUpdateError.h"
#include "support/ApplicationSupport.h"
#include "support/RunUntil.h"

namespace tundle {
namespace {

using test::ScriptedReleases;

BundleInfo contentBundle() {
    BundleInfo bundle;
    bundle.contentBaseURL = QStringLiteral("https://content.invalid/cdn");
    bundle.contentPublicKey = QStringLiteral("a2V5");
    bundle.bundleVersion = QStringLiteral("+12");
    return bundle;
}

ContentSnapshot snapshotOf(qint64 sequence) {
    return ContentSnapshot{ContentRelease{1, sequence, 1, {}}, QStringLiteral("/nowhere")};
}

// One coordinator over a scripted store, with the model it drives.
struct ContentRig {
    explicit ContentRig(BundleInfo bundle = contentBundle(), bool refused = false) {
        auto environment = test::environmentFor(world, std::move(bundle));
        environment.openStore = store.opener();
        if (refused) {
            environment.openStore = [](ContentReleases::Setup) -> std::unique_ptr<ContentReleases> {
                throw ContentUpdateError(QStringLiteral("更新配置无效"));
            };
        }
        environment.session = &session;
        QObject::connect(&model->updates(), &UpdateStatus::contentUpdateStatusChanged,
                         [this] { statuses << status().contentUpdateStatus(); });
        coordinator = std::make_unique<UpdateCoordinator>(*model, true, std::move(environment));
    }

    UpdateStatus& status() { return model->updates(); }
    ScriptedReleases::Record& record() { return *store.record; }

    test::ModelTestWorld world;
    std::unique_ptr<AppModel> model = world.model();
    ScriptedReleases store;
    test::FakeSessionEvents session;
    QStringList statuses;
    std::unique_ptr<UpdateCoordinator> coordinator;
};

// Decoding runs on a worker; its answer arrives through the event loop.
bool waitForStatus(ContentRig& rig, const QString& text) {
    return test::runUntil([&] { return rig.status().contentUpdateStatus() == text; });
}

TEST(UpdateCoordinatorContentTest, StartReadsTheBundleAndRestoresBeforeTheFirstCheck) {
    for (const auto& [base, key] : {std::pair{"", "a2V5"}, std::pair{"https://c.invalid", ""}}) {
        BundleInfo bundle = contentBundle();
        bundle.contentBaseURL = QString::fromLatin1(base);
        bundle.contentPublicKey = QString::fromLatin1(key);
        ContentRig off(bundle);
        EXPECT_FALSE(off.record().setup);
        EXPECT_EQ(off.status().contentUpdateStatus(), QStringLiteral("使用内置动作"));
        EXPECT_FALSE(off.status().contentUpdateAvailable());
        EXPECT_FALSE(off.status().checkContentUpdate());
    }
    ContentRig refused(contentBundle(), true);
    EXPECT_EQ(refused.status().contentUpdateStatus(),
              QStringLiteral("资源更新配置无效，继续使用内置资源"));
    EXPECT_FALSE(refused.status().contentUpdateAvailable());
    EXPECT_FALSE(refused.status().checkContentUpdate());

    ContentRig rig;
    const ContentReleases::Setup& setup = *rig.record().setup;
    EXPECT_EQ(setup.root, *ApplicationSupport::path(QStringLiteral("updates-rooms-v1")));
    EXPECT_EQ(setup.channel, QStringLiteral("rooms-v1"));
    EXPECT_EQ(setup.clientBuild, 12);
    EXPECT_EQ(setup.baseURL, QStringLiteral("https://content.invalid/cdn"));
    EXPECT_TRUE(rig.status().contentUpdateAvailable());
    EXPECT_GE(rig.coordinator->checkInterval(), 300);
    EXPECT_LE(rig.coordinator->checkInterval(), 330);

    ASSERT_EQ(rig.record().restores.size(), 1u);
    EXPECT_TRUE(rig.record().prepares.empty());
    rig.status().checkContentUpdate()();
    EXPECT_TRUE(rig.record().prepares.empty()) << "a check waits for the restore";
    rig.record().restores[0](std::nullopt);
    EXPECT_EQ(rig.record().prepares.size(), 1u);
    EXPECT_TRUE(rig.status().contentUpdateBusy());
    EXPECT_EQ(rig.status().contentUpdateStatus(), QStringLiteral("正在检查资源更新…"));
}

TEST(UpdateCoordinatorContentTest, EveryCheckOutcomeHasItsStatusAndClearsTheBusyFlag) {
    ContentRig rig;
    rig.record().restores[0](std::nullopt);

    rig.record().prepares.back()(std::nullopt, nullptr);
    EXPECT_EQ(rig.status().contentUpdateStatus(), QStringLiteral("资源已是最新版本"));
    EXPECT_FALSE(rig.status().contentUpdateBusy());

    rig.coordinator->check();
    rig.record().prepares.back()(
        std::nullopt, std::make_exception_ptr(ContentUpdateError(QStringLiteral("签名无效"))));
    EXPECT_EQ(rig.status().contentUpdateStatus(),
              QStringLiteral("资源更新未完成，保留原版本（签名无效）"));
    EXPECT_FALSE(rig.status().contentUpdateBusy());

    rig.coordinator->check();
    ContentSnapshot unknownPack = snapshotOf(3);
    unknownPack.release.modules.push_back(
        {QStringLiteral("Cat"), QStringLiteral("pet.actions"), 1, {}});
    rig.record().prepares.back()(unknownPack, nullptr);
    ASSERT_TRUE(waitForStatus(rig, QStringLiteral("资源更新未完成，保留原版本（未知角色包）")));
    EXPECT_FALSE(rig.status().contentUpdateBusy());

    rig.coordinator->check();
    rig.record().prepares.back()(snapshotOf(4), nullptr);
    ASSERT_TRUE(waitForStatus(rig, QStringLiteral("资源已准备好，等待当前互动结束")));
    EXPECT_FALSE(rig.status().contentUpdateBusy());
    const size_t prepares = rig.record().prepares.size();
    rig.coordinator->check();
    EXPECT_EQ(rig.record().prepares.size(), prepares) << "no check while a release waits";

    rig.world.scheduler.advance(1);
    ASSERT_EQ(rig.record().activations.size(), 1u);
    rig.record().activations[0](std::make_exception_ptr(ContentUpdateError(QStringLiteral("坏"))));
    EXPECT_EQ(rig.status().contentUpdateStatus(), QStringLiteral("资源版本切换失败，保留原版本"));
    rig.world.scheduler.advance(5);
    EXPECT_EQ(rig.record().activations.size(), 1u) << "a failed switch drops the release";

    rig.coordinator->check();
    EXPECT_EQ(rig.record().prepares.size(), prepares + 1);
    rig.record().prepares.back()(snapshotOf(5), nullptr);
    ASSERT_TRUE(waitForStatus(rig, QStringLiteral("资源已准备好，等待当前互动结束")));
    rig.world.scheduler.advance(1);
    rig.record().activations.back()(nullptr);
    EXPECT_EQ(rig.status().contentUpdateStatus(), QStringLiteral("资源版本 5 · 已更新"));
    EXPECT_EQ(rig.record().prepares.size(), prepares + 1) << "a fresh release needs no check";
}

TEST(UpdateCoordinatorContentTest, ActivationWaitsForARestingPetAndTestsAgainAfterTheStore) {
    ContentRig rig;
    rig.record().restores[0](std::nullopt);
    rig.record().prepares.back()(snapshotOf(8), nullptr);
    ASSERT_TRUE(waitForStatus(rig, QStringLiteral("资源已准备好，等待当前互动结束")));

    rig.model->play(QStringLiteral("dance"), 60);
    rig.world.scheduler.advance(3);
    EXPECT_TRUE(rig.record().activations.empty());
    rig.model->stopAnimation();
    rig.world.scheduler.advance(1);
    ASSERT_EQ(rig.record().activations.size(), 1u);

    // The pet starts something while the store switches: committed, not yet installed.
    rig.model->play(QStringLiteral("dance"), 60);
    rig.record().activations[0](nullptr);
    EXPECT_EQ(rig.status().contentUpdateStatus(), QStringLiteral("资源已准备好，等待当前互动结束"));
    rig.world.scheduler.advance(2);
    rig.model->presentBreathing();
    rig.model->stopAnimation();
    rig.world.scheduler.advance(2);
    EXPECT_EQ(rig.status().contentUpdateStatus(), QStringLiteral("资源已准备好，等待当前互动结束"));
    const size_t prepares = rig.record().prepares.size();

    rig.model->setBreathingPresented(false);
    rig.statuses.clear();
    rig.world.scheduler.advance(1);
    EXPECT_EQ(rig.statuses, QStringList({QStringLiteral("资源版本 8 · 已更新"),
                                         QStringLiteral("正在检查资源更新…")}))
        << "the installation of a committed release is followed by a check";
    EXPECT_EQ(rig.record().activations.size(), 1u) << "a committed release is not switched twice";
    EXPECT_EQ(rig.record().prepares.size(), prepares + 1);
}

TEST(UpdateCoordinatorContentTest, ARestoredReleaseIsInstalledBeforeTheFirstCheck) {
    ContentRig rig;
    ContentSnapshot restored = snapshotOf(6);
    restored.release.modules.push_back(
        {QStringLiteral("H3"), QStringLiteral("pet.actions"), 1, {}});
    restored.root = QStringLiteral(TUNDLE_GENERATED_ASSETS);
    rig.record().restores[0](restored);
    ASSERT_TRUE(test::runUntil([&] {
        rig.world.scheduler.advance(1);
        return !rig.statuses.isEmpty();
    }));
    EXPECT_EQ(rig.statuses, QStringList({QStringLiteral("资源版本 6 · 已更新"),
                                         QStringLiteral("正在检查资源更新…")}));
    EXPECT_TRUE(rig.record().activations.empty()) << "a restored release is current already";
    EXPECT_EQ(rig.record().prepares.size(), 1u);
    EXPECT_TRUE(rig.model->assetLibrary().remotePacks().contains(PetAssetPack::h3));
}

TEST(UpdateCoordinatorContentTest, WakeChecksOnlyAMinuteAfterTheLastCheck) {
    ContentRig rig;
    rig.record().restores[0](std::nullopt);
    rig.record().prepares.back()(std::nullopt, nullptr);
    rig.world.scheduler.advance(30);
    rig.session.reportSleep(false);
    EXPECT_EQ(rig.record().prepares.size(), 1u);
    rig.world.scheduler.advance(31);
    rig.session.reportSleep(true);
    EXPECT_EQ(rig.record().prepares.size(), 1u) << "going to sleep is no reason";
    rig.session.reportSleep(false);
    EXPECT_EQ(rig.record().prepares.size(), 2u);

    rig.record().prepares.back()(std::nullopt, nullptr);
    rig.world.scheduler.advance(rig.coordinator->checkInterval());
    EXPECT_EQ(rig.record().prepares.size(), 3u) << "the timer checks on its own";
}

}  // namespace
}  // namespace tundle
