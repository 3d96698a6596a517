#include "content/ContentStoreCore.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QThread>
#include <utility>

#include "content/ContentDisk.h"
#include "content/ContentEnvelope.h"
#include "content/ContentNames.h"
#include "content/ContentUpdateError.h"
#include "content/Sha256.h"
#include "support/Uuid.h"

namespace tundle {

namespace {

ContentUpdateError refusal(const char* message) {
    return ContentUpdateError(QString::fromUtf8(message));
}

// Removes a staging folder on every way out of a prepare that did not move it into place.
class StagingFolder {
public:
    StagingFolder() = default;
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;
    ~StagingFolder() {
        if (path_.isEmpty() || !ContentDisk::exists(path_)) {
            return;
        }
        try {
            ContentDisk::removeTree(path_);
        } catch (const std::exception&) {
            // A leftover staging folder is deleted by the next activation.
        }
    }

    void create(const QString& path) {
        ContentDisk::makeFolder(path);
        path_ = path;
    }
    void moveTo(const QString& target) {
        ContentDisk::moveFolder(path_, target);
        path_.clear();
    }
    const QString& path() const { return path_; }

private:
    QString path_;
};

}  // namespace

// The prepare coroutine runs from its call to its first download and is resumed by the
// download's answer; it finishes by handing its result to its `done`.
struct ContentStoreCore::PrepareRun {
    struct promise_type {
        PrepareRun get_return_object() noexcept { return {}; }
        std::suspend_never initial_suspend() noexcept { return {}; }
        std::suspend_never final_suspend() noexcept { return {}; }
        void return_void() noexcept {}
        void unhandled_exception() noexcept { std::terminate(); }
    };
};

class ContentStoreCore::FetchAwaiter {
public:
    FetchAwaiter(ContentStoreCore& core, QString url, qint64 limit)
        : core_(core), url_(std::move(url)), limit_(limit) {}

    bool await_ready() const noexcept { return false; }

    // The answer may come on any thread, at once or never, even twice: it is posted to the
    // store's thread and dropped unless the store still waits for exactly this download.
    void await_suspend(std::coroutine_handle<> handle) {
        if (!core_.mailbox_) {
            core_.mailbox_ = std::shared_ptr<QObject>(new QObject, [](QObject* box) {
                if (box->thread() == QThread::currentThread()) {
                    delete box;
                } else {
                    box->deleteLater();
                }
            });
        }
        core_.suspended_ = handle;
        const quint64 ticket = ++core_.fetchCount_;
        core_.waitingFetch_ = ticket;
        const std::weak_ptr<QObject> mailbox = core_.mailbox_;
        const QPointer<ContentStoreCore> core(&core_);
        FetchAwaiter* self = this;
        core_.settings_.fetch(
            url_, limit_, [mailbox, core, self, ticket](ContentFetchResult result) {
                const std::shared_ptr<QObject> box = mailbox.lock();
                if (!box) {
                    return;
                }
                QMetaObject::invokeMethod(
                    box.get(),
                    [core, self, ticket, result = std::move(result)]() mutable {
                        if (!core || !core->suspended_ || core->waitingFetch_ != ticket) {
                            return;
                        }
                        self->result_ = std::move(result);
                        core->waitingFetch_ = 0;
                        std::exchange(core->suspended_, {}).resume();
                    },
                    Qt::QueuedConnection);
            });
    }

    QByteArray await_resume() {
        if (auto* error = std::get_if<std::exception_ptr>(&result_)) {
            std::rethrow_exception(*error);
        }
        return std::get<QByteArray>(std::move(result_));
    }

private:
    ContentStoreCore& core_;
    QString url_;
    qint64 limit_;
    ContentFetchResult result_;
};

ContentStoreCore::ContentStoreCore(Settings settings, ContentStoreState state)
    : settings_(std::move(settings)), state_(std::move(state)) {}

// A prepare still waiting for a download ends here: its frame goes, and with it the
// staging folder it was building.
ContentStoreCore::~ContentStoreCore() {
    if (suspended_) {
        std::exchange(suspended_, {}).destroy();
    }
}

QString ContentStoreCore::releasesFolder() const {
    return settings_.root + QStringLiteral("/releases");
}

QString ContentStoreCore::releaseFolder(const QString& name) const {
    return releasesFolder() + u'/' + name;
}

ContentRelease ContentStoreCore::decode(const QByteArray& envelope) const {
    return ContentEnvelope::decode(
        envelope, settings_.publicKey, settings_.clientBuild,
        [this](const QString& kind) { return settings_.validators.contains(kind); });
}

void ContentStoreCore::validate(const ContentSnapshot& snapshot) const {
    for (const ContentModule& module : snapshot.release.modules) {
        const QString folder = snapshot.directory(module);
        for (const ContentFile& file : module.files) {
            const QString path = folder + u'/' + file.name;
            const std::optional<qint64> size = ContentDisk::regularFileSize(path);
            if (!size || *size != file.bytes) {
                throw refusal("资源大小校验失败");
            }
            if (ContentDisk::hashRegularFile(path, file.bytes) != file.sha256) {
                throw refusal("资源内容校验失败");
            }
        }
        const auto validator = settings_.validators.find(module.kind);
        if (validator == settings_.validators.end()) {
            throw refusal("资源模块无效");
        }
        validator->second(module, folder);
    }
}

void ContentStoreCore::writeState(const ContentStoreState& state) {
    ContentDisk::replaceDurably(settings_.root + QStringLiteral("/state.json"), state.encode());
    state_ = state;
}

std::optional<ContentSnapshot> ContentStoreCore::restore() {
    for (const auto& candidate : {state_.current, state_.previous}) {
        if (!candidate || !isSafeName(*candidate)) {
            continue;
        }
        try {
            const QString folder = releaseFolder(*candidate);
            const QByteArray envelope = ContentDisk::readRegularFile(
                folder + QStringLiteral("/release.json"), ContentEnvelope::byteLimit);
            ContentSnapshot snapshot{decode(envelope), folder};
            validate(snapshot);
            if (candidate != state_.current) {
                writeState(ContentStoreState{candidate, std::nullopt, state_.highestSequence});
            }
            return snapshot;
        } catch (const std::exception&) {
            // An unusable candidate only means the next one is tried.
        }
    }
    return std::nullopt;
}

bool ContentStoreCore::isNothingNew(const ContentRelease& release) {
    if (release.sequence < state_.highestSequence) {
        return true;
    }
    if (release.sequence > state_.highestSequence) {
        return false;
    }
    const std::optional<ContentSnapshot> restored = restore();
    return restored && restored->release.sequence == release.sequence;
}

// A folder of that name is the release only if it holds exactly this envelope and every
// file still checks out; anything else is deleted and built again.
std::optional<ContentSnapshot> ContentStoreCore::preparedEarlier(const ContentRelease& release,
                                                                 const QString& folder,
                                                                 const QByteArray& envelope) const {
    if (!ContentDisk::exists(folder)) {
        return std::nullopt;
    }
    try {
        const ContentSnapshot snapshot{release, folder};
        if (ContentDisk::readRegularFile(folder + QStringLiteral("/release.json"),
                                         ContentEnvelope::byteLimit) == envelope) {
            validate(snapshot);
            return snapshot;
        }
    } catch (const std::exception&) {
        // Not usable: rebuilt below.
    }
    ContentDisk::removeTree(folder);
    return std::nullopt;
}

bool ContentStoreCore::copyHeldFile(const ContentModule& module, const ContentFile& file,
                                    const QString& target) const {
    for (const auto& name : {state_.current, state_.previous}) {
        if (!name || !isSafeName(*name)) {
            continue;
        }
        const QString source = releaseFolder(*name) + u'/' + module.id + u'/' + file.name;
        QByteArray bytes;
        try {
            const std::optional<qint64> size = ContentDisk::regularFileSize(source);
            if (!size || *size != file.bytes) {
                continue;
            }
            bytes = ContentDisk::readRegularFile(source, file.bytes);
        } catch (const std::exception&) {
            continue;
        }
        if (bytes.size() == file.bytes && Sha256::text(bytes) == file.sha256) {
            ContentDisk::writeNewFile(target, bytes);
            return true;
        }
    }
    return false;
}

ContentStoreCore::FetchAwaiter ContentStoreCore::download(const QString& path, qint64 limit) {
    QUrl url = settings_.base;
    QString basePath = url.path();
    while (basePath.endsWith(u'/')) {
        basePath.chop(1);
    }
    url.setPath(basePath + u'/' + path);
    return FetchAwaiter(*this, url.toString(QUrl::FullyEncoded), limit);
}

void ContentStoreCore::prepare(const ContentPrepareDone& done) {
    if (busy_) {
        done(std::nullopt, nullptr);
        return;
    }
    busy_ = true;
    runPrepare(done);
}

ContentStoreCore::PrepareRun ContentStoreCore::runPrepare(ContentPrepareDone done) {
    std::optional<ContentSnapshot> result;
    std::exception_ptr error;
    try {
        StagingFolder staging;
        const QByteArray envelope = co_await download(
            QStringLiteral("content/") + settings_.channel + QStringLiteral(".json"),
            ContentEnvelope::byteLimit);
        const ContentRelease release = decode(envelope);
        const bool building = !isNothingNew(release);
        QString folder;
        if (building) {
            const QString name = ContentEnvelope::folderName(release.sequence, envelope);
            if (!isSafeName(name)) {
                throw refusal("缓存路径无效");
            }
            folder = releaseFolder(name);
            result = preparedEarlier(release, folder, envelope);
        }
        if (building && !result) {
            staging.create(releaseFolder(QStringLiteral("stage-") + uuidText(newUuid())));
            for (const ContentModule& module : release.modules) {
                const QString moduleFolder = staging.path() + u'/' + module.id;
                ContentDisk::makeFolder(moduleFolder);
                for (const ContentFile& file : module.files) {
                    const QString target = moduleFolder + u'/' + file.name;
                    if (copyHeldFile(module, file, target)) {
                        continue;
                    }
                    const QByteArray bytes =
                        co_await download(QStringLiteral("assets/") + file.sha256, file.bytes);
                    if (bytes.size() != file.bytes || Sha256::text(bytes) != file.sha256) {
                        throw refusal("下载资源校验失败");
                    }
                    ContentDisk::writeNewFile(target, bytes);
                }
            }
            validate(ContentSnapshot{release, staging.path()});
            ContentDisk::writeNewFile(staging.path() + QStringLiteral("/release.json"), envelope);
            staging.moveTo(folder);
            result = ContentSnapshot{release, folder};
        }
    } catch (...) {
        error = std::current_exception();
    }
    busy_ = false;
    done(std::move(result), error);
}

void ContentStoreCore::activate(const ContentSnapshot& snapshot) {
    const QFileInfo folder(QDir::cleanPath(QFileInfo(snapshot.root).absoluteFilePath()));
    if (folder.path() != releasesFolder() || !isSafeName(folder.fileName()) ||
        snapshot.release.sequence < state_.highestSequence) {
        throw refusal("待激活版本无效");
    }
    validate(ContentSnapshot{snapshot.release, folder.filePath()});
    const QString current = folder.fileName();
    const std::optional<QString> previous = state_.current;
    writeState(ContentStoreState{current, previous, snapshot.release.sequence});
    QStringList entries;
    try {
        entries = ContentDisk::entries(releasesFolder());
    } catch (const std::exception&) {
        return;
    }
    for (const QString& entry : entries) {
        if (entry == current || entry == previous) {
            continue;
        }
        try {
            ContentDisk::removeTree(releaseFolder(entry));
        } catch (const std::exception&) {
            // Whatever is left is tried again at the next activation.
        }
    }
}

}  // namespace tundle
