#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>
#include <QUrl>

#include "model/AppModel.h"
#include "pets/PetAssets.h"
#include "support/ApplicationSupport.h"
#include "update/ContentTransfer.h"
#include "update/UpdateCoordinator.h"
#include "update/UpdateKeys.h"

namespace tundle {

namespace {

QString describe(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& failure) {
        return tundle::describe(failure);
    } catch (...) {
        return QStringLiteral("未知错误");
    }
}

QString unfinishedText(const QString& reason) {
    return QStringLiteral("资源更新未完成，保留原版本（") + reason + QStringLiteral("）");
}

}  // namespace

void UpdateCoordinator::startContent() {
    const BundleInfo& bundle = environment_.bundle;
    if (bundle.contentBaseURL.isEmpty() || !QUrl(bundle.contentBaseURL).isValid() ||
        bundle.contentPublicKey.isEmpty()) {
        return;
    }
    const QString channel =
        bundle.contentChannel.isEmpty() ? QStringLiteral("rooms-v1") : bundle.contentChannel;
    UpdateStatus& status = model_.updates();
    const std::optional<QString> root =
        ApplicationSupport::path(QStringLiteral("updates-") + channel);
    try {
        if (!root) {
            throw std::runtime_error("no data folder");
        }
        store_ = environment_.openStore(ContentReleases::Setup{
            .root = *root,
            .baseURL = bundle.contentBaseURL,
            .publicKey = bundle.contentPublicKey,
            .clientBuild = UpdateKeys::clientBuild(bundle.bundleVersion),
            .validators = {{QStringLiteral("pet.actions"), &PetAssets::validateModule},
                           {QStringLiteral("room.scene"), &RoomSceneDefinition::validateModule}},
            .channel = channel,
            .fetch = ContentTransfer(bundle.contentBaseURL, environment_.transfer).fetch(),
        });
    } catch (const std::exception&) {
        status.setContentUpdateStatus(QStringLiteral("资源更新配置无效，继续使用内置资源"));
        return;
    }
    status.setContentUpdateAvailable(true);
    const QPointer<UpdateCoordinator> self(this);
    status.setCheckContentUpdate([self] {
        if (self) {
            self->check();
        }
    });
    restoreAndCheck();
    checkInterval_ = 300 + 30 * environment_.random();
    checkTimer_.start(checkInterval_, [this] { check(); });
    if (environment_.session) {
        connect(environment_.session, &SessionEvents::woke, this, &UpdateCoordinator::woke);
    }
}

void UpdateCoordinator::restoreAndCheck() {
    checking_ = true;
    const QPointer<UpdateCoordinator> self(this);
    store_->restore([self](std::optional<ContentSnapshot> snapshot) {
        if (!self) {
            return;
        }
        if (!snapshot) {
            self->checking_ = false;
            self->check();
            return;
        }
        self->decodePacks(*snapshot, [self, snapshot = *snapshot](
                                         std::optional<DecodedContent> decoded, const QString&) {
            if (decoded) {
                self->pending_.emplace(snapshot, std::move(*decoded));
                self->scheduleActivation(true);
            }
            self->checking_ = false;
            self->check();
        });
    });
}

void UpdateCoordinator::check() {
    if (checking_ || pending_ || !store_) {
        return;
    }
    checking_ = true;
    UpdateStatus& status = model_.updates();
    status.setContentUpdateBusy(true);
    lastCheck_ = environment_.clock();
    status.setContentUpdateStatus(QStringLiteral("正在检查资源更新…"));
    const QPointer<UpdateCoordinator> self(this);
    store_->prepare([self](std::optional<ContentSnapshot> snapshot, std::exception_ptr error) {
        if (self) {
            self->prepared(std::move(snapshot), error);
        }
    });
}

void UpdateCoordinator::prepared(std::optional<ContentSnapshot> snapshot,
                                 std::exception_ptr error) {
    UpdateStatus& status = model_.updates();
    if (error) {
        status.setContentUpdateStatus(unfinishedText(describe(error)));
        endCheck();
        return;
    }
    if (!snapshot) {
        status.setContentUpdateStatus(QStringLiteral("资源已是最新版本"));
        endCheck();
        return;
    }
    decodePacks(*snapshot, [this, snapshot = *snapshot](std::optional<DecodedContent> decoded,
                                                        const QString& failure) {
        UpdateStatus& status = model_.updates();
        if (decoded) {
            pending_.emplace(snapshot, std::move(*decoded));
            status.setContentUpdateStatus(QStringLiteral("资源已准备好，等待当前互动结束"));
            scheduleActivation(false);
        } else {
            status.setContentUpdateStatus(unfinishedText(failure));
        }
        endCheck();
    });
}

void UpdateCoordinator::endCheck() {
    checking_ = false;
    model_.updates().setContentUpdateBusy(false);
}

void UpdateCoordinator::decodePacks(const ContentSnapshot& snapshot, Decoded done) {
    // The answer goes through the application object, which outlives every coordinator, and
    // is dropped when the coordinator is gone by then.
    const QPointer<UpdateCoordinator> self(this);
    QThreadPool::globalInstance()->start([snapshot, self, done = std::move(done)] {
        std::optional<DecodedContent> decoded;
        QString failure;
        try {
            decoded = DecodedContent::decode(snapshot);
        } catch (...) {
            failure = describe(std::current_exception());
        }
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, done, decoded = std::move(decoded), failure]() mutable {
                if (self) {
                    done(std::move(decoded), failure);
                }
            },
            Qt::QueuedConnection);
    });
}

void UpdateCoordinator::scheduleActivation(bool alreadyCommitted) {
    activationTimer_.start(activationInterval,
                           [this, alreadyCommitted] { activateIfSafe(alreadyCommitted); });
}

bool UpdateCoordinator::petAtRest() const {
    return !model_.busy();
}

void UpdateCoordinator::activateIfSafe(bool alreadyCommitted) {
    if (activating_ || !petAtRest() || !pending_) {
        return;
    }
    activating_ = true;
    if (alreadyCommitted || !store_) {
        install(alreadyCommitted);
        return;
    }
    const QPointer<UpdateCoordinator> self(this);
    store_->activate(pending_->first, [self](std::exception_ptr error) {
        if (!self) {
            return;
        }
        if (error) {
            self->pending_.reset();
            self->activationTimer_.stop();
            self->model_.updates().setContentUpdateStatus(
                QStringLiteral("资源版本切换失败，保留原版本"));
            self->activating_ = false;
            return;
        }
        self->install(false);
    });
}

void UpdateCoordinator::install(bool alreadyCommitted) {
    if (!petAtRest()) {
        // The store holds the release as current now; the next attempt only installs it.
        scheduleActivation(true);
        activating_ = false;
        return;
    }
    const auto& [snapshot, decoded] = *pending_;
    model_.assetLibrary().setRemotePacks(decoded.packs);
    model_.room().installScene(decoded.roomRoot, decoded.room);
    model_.refreshContentAssets();
    model_.updates().setContentUpdateStatus(QStringLiteral("资源版本 ") +
                                            QString::number(snapshot.release.sequence) +
                                            QStringLiteral(" · 已更新"));
    pending_.reset();
    activationTimer_.stop();
    if (alreadyCommitted) {
        check();
    }
    activating_ = false;
}

void UpdateCoordinator::woke() {
    const QDateTime now = environment_.clock();
    if (!lastCheck_.isValid() || lastCheck_.msecsTo(now) > qint64(wakeThreshold * 1000)) {
        check();
    }
}

}  // namespace tundle
