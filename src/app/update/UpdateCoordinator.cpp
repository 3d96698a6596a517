#include "update/UpdateCoordinator.h"

#include <QPointer>

#include "model/AppModel.h"
#include "update/UpdateKeys.h"

namespace tundle {

UpdateCoordinator::UpdateCoordinator(AppModel& model, bool enabled, Environment environment,
                                     QObject* parent)
    : QObject(parent),
      model_(model),
      environment_(std::move(environment)),
      softwareTimer_(environment_.scheduler),
      firstSoftwareCheck_(environment_.scheduler.makeOneShot()),
      checkTimer_(environment_.scheduler),
      activationTimer_(environment_.scheduler) {
    if (enabled) {
        startSoftware();
        startContent();
    }
}

UpdateCoordinator::~UpdateCoordinator() = default;

std::optional<QString> UpdateCoordinator::feedURLString() const {
    return softwareFeedURL_ && !softwareFeedURL_->isEmpty() ? softwareFeedURL_ : std::nullopt;
}

void UpdateCoordinator::startSoftware() {
    const BundleInfo& bundle = environment_.bundle;
    const std::optional<QByteArray> key = UpdateKeys::publicEDKey(bundle.publicEDKey);
    if (!UpdateKeys::feedURL(bundle.feedURL) || !key) {
        return;
    }
    UpdateStatus& status = model_.updates();
    const QPointer<UpdateCoordinator> self(this);
    if (environment_.needsInstallation()) {
        status.setAppUpdateStatus(QStringLiteral("请先安装糯墩，从应用程序菜单重新打开后即可更新"));
    } else {
        software_ = environment_.makeUpdater(SoftwareUpdater::Setup{
            .feedURL = [self]() -> std::optional<QString> {
                return self ? self->feedURLString() : std::nullopt;
            },
            .publicKey = *key,
            .bundleVersion = bundle.bundleVersion,
            .installLocation = environment_.installLocation,
            .report =
                [self](const QString& text) {
                    if (self) {
                        self->model_.updates().setAppUpdateStatus(text);
                    }
                },
        });
        softwareTimer_.start(softwareInterval, [this] { checkSoftware(false); });
        firstSoftwareCheck_->start(0, [this] { checkSoftware(false); });
        status.setAppUpdateStatus(QStringLiteral("软件更新已启用"));
    }
    status.setAppUpdateAvailable(true);
    status.setCheckAppUpdate([self] {
        if (!self) {
            return;
        }
        if (self->software_ && !self->environment_.needsInstallation()) {
            self->checkSoftware(true);
        } else {
            self->environment_.showInstallationGuide();
        }
    });
}

void UpdateCoordinator::checkSoftware(bool userInitiated) {
    if (preparingSoftware_ || !software_) {
        return;
    }
    if (softwareStarted_ && !software_->canCheckForUpdates()) {
        return;
    }
    const QDateTime now = environment_.clock();
    if (!userInitiated && lastSoftwareCheck_.isValid() &&
        lastSoftwareCheck_.msecsTo(now) < qint64(softwareInterval * 1000)) {
        return;
    }
    preparingSoftware_ = true;
    const std::optional<QString> feed = UpdateKeys::feedURL(environment_.bundle.feedURL);
    if (!feed || environment_.needsInstallation()) {
        failSoftwareCheck();
        return;
    }
    softwareFeedURL_ = feed;
    lastSoftwareCheck_ = now;
    if (!softwareStarted_) {
        try {
            software_->startUpdater();
        } catch (const std::exception&) {
            failSoftwareCheck();
            return;
        }
        softwareStarted_ = true;
    }
    // Set first: the updater may finish at once and report its own result.
    model_.updates().setAppUpdateStatus(QStringLiteral("正在检查软件更新…"));
    software_->checkForUpdates();
    preparingSoftware_ = false;
}

void UpdateCoordinator::failSoftwareCheck() {
    softwareFeedURL_.reset();
    model_.updates().setAppUpdateStatus(QStringLiteral("软件更新已暂停"));
    preparingSoftware_ = false;
}

}  // namespace tundle
