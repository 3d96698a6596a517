#include "update/AppcastUpdater.h"

#include <QPointer>
#include <QTemporaryFile>

#include "update/StagedInstall.h"

namespace tundle {

namespace {

QString failureText(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& failure) {
        return describe(failure);
    } catch (...) {
        return QStringLiteral("未知错误");
    }
}

}  // namespace

AppcastUpdater::AppcastUpdater(Setup setup, ContentHTTP::Settings transfer)
    : setup_(std::move(setup)), transfer_(std::move(transfer)) {}

std::unique_ptr<SoftwareUpdater> AppcastUpdater::create(Setup setup) {
    return std::make_unique<AppcastUpdater>(std::move(setup));
}

void AppcastUpdater::startUpdater() {
    if (!Appcast::versionParts(setup_.bundleVersion)) {
        throw UserFacingError(QStringLiteral("软件版本号无效"));
    }
    if (!setup_.installLocation || !StagedInstall::isWritableLocation(*setup_.installLocation)) {
        throw UserFacingError(QStringLiteral("安装位置不可写"));
    }
    key_ = Ed25519PublicKey::fromRaw(setup_.publicKey);
}

void AppcastUpdater::checkForUpdates() {
    if (running_ || !key_) {
        return;
    }
    const std::optional<QString> feed = setup_.feedURL();
    if (!feed) {
        pause(QStringLiteral("没有更新地址"));
        return;
    }
    running_ = true;
    const QPointer<AppcastUpdater> self(this);
    ContentHTTP::get(
        *feed, feedByteLimit,
        [self](ContentFetchResult result) {
            if (self) {
                self->feedArrived(std::move(result));
            }
        },
        transfer_);
}

void AppcastUpdater::feedArrived(ContentFetchResult result) {
    if (const auto* error = std::get_if<std::exception_ptr>(&result)) {
        pause(failureText(*error));
        return;
    }
    std::optional<AppcastItem> newest;
    try {
        newest = Appcast::parse(std::get<QByteArray>(result)).newestAbove(setup_.bundleVersion);
    } catch (const std::exception& error) {
        pause(describe(error));
        return;
    }
    if (!newest) {
        finish(QStringLiteral("软件已是最新版本"));
        return;
    }
    const QPointer<AppcastUpdater> self(this);
    ContentHTTP::get(
        newest->url, newest->length,
        [self, item = *newest](ContentFetchResult result) {
            if (self) {
                self->archiveArrived(item, std::move(result));
            }
        },
        transfer_);
}

void AppcastUpdater::archiveArrived(const AppcastItem& item, ContentFetchResult result) {
    if (const auto* error = std::get_if<std::exception_ptr>(&result)) {
        pause(failureText(*error));
        return;
    }
    const QByteArray archive = std::get<QByteArray>(result);
    if (archive.size() != item.length) {
        pause(QStringLiteral("更新包大小不符"));
        return;
    }
    if (!key_->verify(archive, item.signature)) {
        pause(QStringLiteral("更新包签名无效"));
        return;
    }
    auto file = std::make_shared<QTemporaryFile>();
    if (!file->open() || file->write(archive) != archive.size() || !file->flush()) {
        pause(QStringLiteral("无法保存更新包"));
        return;
    }
    const QPointer<AppcastUpdater> self(this);
    StagedInstall::run(file->fileName(), *setup_.installLocation,
                       [self, file, version = item.shortVersion](std::optional<QString> failure) {
                           if (!self) {
                               return;
                           }
                           if (failure) {
                               self->pause(*failure);
                           } else {
                               self->finish(QStringLiteral("糯墩 ") + version +
                                            QStringLiteral(" 已安装，重新打开后生效"));
                           }
                       });
}

void AppcastUpdater::pause(const QString& reason) {
    finish(QStringLiteral("软件更新已暂停（") + reason + QStringLiteral("）"));
}

void AppcastUpdater::finish(const QString& status) {
    running_ = false;
    setup_.report(status);
}

}  // namespace tundle
