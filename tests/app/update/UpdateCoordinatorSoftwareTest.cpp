#include <gtest/gtest.h>

#include "app/update/UpdateTestKit.h"
#include "support/UserFacingError.h"

namespace tundle {
namespace {

const QString keyText = QString::fromLatin1(QByteArray(32, 'k').toBase64());

BundleInfo softwareBundle(
    const QString& feed = QStringLiteral("https://updates.invalid/appcast.xml"),
    const QString& key = keyText) {
    BundleInfo bundle;
    bundle.feedURL = feed;
    bundle.publicEDKey = key;
    bundle.bundleVersion = QStringLiteral("7");
    return bundle;
}

// Counts what the coordinator asks of the updater; its start fails while `startFails` holds.
struct FakeUpdater : SoftwareUpdater {
    struct Log {
        int starts = 0;
        int checks = 0;
        bool startFails = false;
        bool busy = false;
        std::optional<SoftwareUpdater::Setup> setup;
    };
    explicit FakeUpdater(std::shared_ptr<Log> log) : log(std::move(log)) {}
    bool canCheckForUpdates() const override { return !log->busy; }
    void startUpdater() override {
        ++log->starts;
        if (log->startFails) {
            throw UserFacingError(QStringLiteral("安装位置不可写"));
        }
    }
    void checkForUpdates() override { ++log->checks; }
    std::shared_ptr<Log> log;
};

struct SoftwareRig {
    explicit SoftwareRig(BundleInfo bundle = softwareBundle(), bool needsInstallation = false) {
        auto environment = test::environmentFor(world, std::move(bundle));
        environment.makeUpdater = [log = log](SoftwareUpdater::Setup setup) {
            log->setup = setup;
            return std::make_unique<FakeUpdater>(log);
        };
        environment.needsInstallation = [this] { return notInstalled; };
        environment.showInstallationGuide = [this] { ++guides; };
        notInstalled = needsInstallation;
        coordinator = std::make_unique<UpdateCoordinator>(*model, true, std::move(environment));
    }

    UpdateStatus& status() { return model->updates(); }

    test::ModelTestWorld world;
    std::unique_ptr<AppModel> model = world.model();
    std::shared_ptr<FakeUpdater::Log> log = std::make_shared<FakeUpdater::Log>();
    bool notInstalled = false;
    int guides = 0;
    std::unique_ptr<UpdateCoordinator> coordinator;
};

TEST(UpdateCoordinatorSoftwareTest, UnusableKeysLeaveSoftwareUpdatesOff) {
    const QString shortKey = QString::fromLatin1(QByteArray(31, 'k').toBase64());
    const QString longKey = QString::fromLatin1(QByteArray(33, 'k').toBase64());
    for (const BundleInfo& bundle :
         {softwareBundle(QStringLiteral("http://updates.invalid/appcast.xml")),
          softwareBundle(QStringLiteral("HTTPS://updates.invalid/appcast.xml")),
          softwareBundle(QString()),
          softwareBundle(QStringLiteral("https://u.invalid/a"), shortKey),
          softwareBundle(QStringLiteral("https://u.invalid/a"), longKey),
          softwareBundle(QStringLiteral("https://u.invalid/a"), keyText.chopped(1))}) {
        SoftwareRig rig(bundle);
        rig.world.scheduler.advance(1);
        EXPECT_FALSE(rig.log->setup);
        EXPECT_EQ(rig.status().appUpdateStatus(), QStringLiteral("尚未配置软件更新"));
        EXPECT_FALSE(rig.status().appUpdateAvailable());
        EXPECT_FALSE(rig.status().checkAppUpdate());
    }
}

TEST(UpdateCoordinatorSoftwareTest, ACopyThatNeedsInstallingOnlyShowsTheGuide) {
    SoftwareRig rig(softwareBundle(), true);
    rig.world.scheduler.advance(1);
    EXPECT_FALSE(rig.log->setup);
    EXPECT_EQ(rig.status().appUpdateStatus(),
              QStringLiteral("请先安装糯墩，从应用程序菜单重新打开后即可更新"));
    EXPECT_TRUE(rig.status().appUpdateAvailable());
    rig.status().checkAppUpdate()();
    EXPECT_EQ(rig.guides, 1);
}

TEST(UpdateCoordinatorSoftwareTest, ChecksRunAtStartEverySixHoursAndOnRequest) {
    SoftwareRig rig;
    EXPECT_EQ(rig.status().appUpdateStatus(), QStringLiteral("软件更新已启用"));
    EXPECT_TRUE(rig.status().appUpdateAvailable());
    EXPECT_EQ(rig.log->setup->publicKey, QByteArray(32, 'k'));
    EXPECT_EQ(rig.log->setup->bundleVersion, QStringLiteral("7"));
    EXPECT_FALSE(rig.coordinator->feedURLString()) << "no feed address before the first check";
    rig.log->startFails = true;
    rig.world.scheduler.advance(0);
    EXPECT_EQ(rig.status().appUpdateStatus(), QStringLiteral("软件更新已暂停"));
    EXPECT_FALSE(rig.coordinator->feedURLString()) << "nor after a failed one";
    EXPECT_EQ(rig.log->checks, 0);
    rig.log->startFails = false;

    rig.status().checkAppUpdate()();
    EXPECT_EQ(rig.log->starts, 2) << "a failed start is tried again";
    EXPECT_EQ(rig.log->checks, 1);
    EXPECT_EQ(rig.status().appUpdateStatus(), QStringLiteral("正在检查软件更新…"));
    EXPECT_EQ(rig.log->setup->feedURL(), QStringLiteral("https://updates.invalid/appcast.xml"));

    rig.world.scheduler.advance(100);
    rig.coordinator->checkSoftware(false);
    EXPECT_EQ(rig.log->checks, 1) << "background checks keep six hours apart";
    rig.status().checkAppUpdate()();
    EXPECT_EQ(rig.log->checks, 2) << "the user's request is not throttled";
    rig.log->busy = true;
    rig.status().checkAppUpdate()();
    EXPECT_EQ(rig.log->checks, 2) << "dropped while the updater is at work";
    rig.log->busy = false;

    rig.world.scheduler.advance(UpdateCoordinator::softwareInterval);
    EXPECT_EQ(rig.log->checks, 2) << "the request at 100 s moved the next background check";
    rig.world.scheduler.advance(UpdateCoordinator::softwareInterval);
    EXPECT_EQ(rig.log->checks, 3);
    EXPECT_EQ(rig.log->starts, 2) << "a started updater is not started again";

    rig.notInstalled = true;
    rig.status().checkAppUpdate()();
    EXPECT_EQ(rig.guides, 1);
    rig.coordinator->checkSoftware(true);
    EXPECT_EQ(rig.status().appUpdateStatus(), QStringLiteral("软件更新已暂停"));
    EXPECT_FALSE(rig.coordinator->feedURLString());
}

}  // namespace
}  // namespace tundle
