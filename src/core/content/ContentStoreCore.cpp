#include "content/ContentStoreCore.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QThread>
#include <utility>

#include "content/ContentEnvelope.h"
#include "content/ContentNames.h"
#include "content/ContentUpdateError.h"
#include "content/Sha256.h"
#include "support/FileIO.h"
#include "support/Uuid.h"

namespace tundle {

namespace {

ContentUpdateError refusal(const char* message) {
    return ContentUpdateError(QString::fromUtf8(message));
}

// The state file holds two folder names and a number; anything near this size is not ours.
constexpr qint64 stateByteLimit = 65536;

const QString stateName = QStringLiteral("state.json");
const QString releasesName = QStringLiteral("releases");
const QString envelopeName = QStringLiteral("release.json");

// A prepare's staging folder inside the releases folder, written through its own descriptor.
// It is removed on every way out of a prepare that did not move it into place.
class StagingFolder {
public:
    StagingFolder() = default;
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;
    ~StagingFolder() {
        if (!parent_) {
            return;
        }
        try {
            if (parent_->contains(name_)) {
                parent_->removeTree(name_);
            }
        } catch (const std::exception&) {
            // A leftover staging folder is deleted by the next activation.
        }
    }

    void create(ContentFolder parent, const QString& name) {
        folder_ = parent.makeFolder(name);
        parent_ = std::move(parent);
        name_ = name;
    }
    const ContentFolder& folder() const { return *folder_; }

    // Only the folder that was filled is published: when its name was given to another entry
    // meanwhile (a link, say), that entry is moved, found out and deleted, never followed.
    void moveTo(const QString& target) {
        parent_->move(name_, target);
        if (!parent_->holds(target, *folder_)) {
            parent_->removeTree(target);
            throw FileError(
                QStringLiteral("暂存文件夹“%1”在准备期间被替换。").arg(folder_->path()));
        }
        parent_.reset();
    }

private:
    std::optional<ContentFolder> parent_;
    std::optional<ContentFolder> folder_;
    QString name_;
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
        const quint64 ticket = ++core_.fetchCount_;
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
        // Only now is the prepare waiting: a fetch that throws leaves it running, and the
        // exception reaches the prepare's own handler.
        core_.suspended_ = handle;
        core_.waitingFetch_ = ticket;
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

ContentStoreCore::ContentStoreCore(Settings settings)
    : settings_(std::move(settings)), root_(ContentFolder::openCreating(settings_.root)) {
    if (!root_.contains(releasesName)) {
        root_.makeFolder(releasesName);
    }
    std::optional<ContentStoreState> stored;
    try {
        const QByteArray bytes = root_.readRegularFile(stateName, stateByteLimit);
        if (bytes.size() <= stateByteLimit) {
            stored = ContentStoreState::decode(bytes);
        }
    } catch (const std::exception&) {
        // Read as the empty state below.
    }
    if (stored) {
        state_ = *stored;
    }
    heldFloor_ = heldFloor();
}

// A prepare still waiting for a download ends here: its frame goes, and with it the
// staging folder it was building.
ContentStoreCore::~ContentStoreCore() {
    if (suspended_) {
        std::exchange(suspended_, {}).destroy();
    }
}

ContentFolder ContentStoreCore::releasesFolder() const {
    return root_.folder(releasesName);
}

QString ContentStoreCore::releasesPath() const {
    return root_.path() + u'/' + releasesName;
}

ContentRelease ContentStoreCore::decode(const QByteArray& envelope) const {
    return ContentEnvelope::decode(
        envelope, settings_.publicKey, settings_.clientBuild,
        [this](const QString& kind) { return settings_.validators.contains(kind); });
}

// The validators read the module folders by their paths, once every file in them has passed.
void ContentStoreCore::validate(const ContentRelease& release, const ContentFolder& folder) const {
    const ContentSnapshot snapshot{release, folder.path()};
    for (const ContentModule& module : release.modules) {
        const ContentFolder moduleFolder = folder.folder(module.id);
        for (const ContentFile& file : module.files) {
            const std::optional<qint64> size = moduleFolder.regularFileSize(file.name);
            if (!size || *size != file.bytes) {
                throw refusal("资源大小校验失败");
            }
            if (moduleFolder.hashRegularFile(file.name, file.bytes) != file.sha256) {
                throw refusal("资源内容校验失败");
            }
        }
        const auto validator = settings_.validators.find(module.kind);
        if (validator == settings_.validators.end()) {
            throw refusal("资源模块无效");
        }
        validator->second(module, snapshot.directory(module));
    }
}

// The newest sequence among the signed envelopes the releases folder holds. Every release
// ever activated stays until a newer activation, so this is never below the sequence a lost or
// rewritten state file named, short of folders deleted by hand.
qint64 ContentStoreCore::heldFloor() const {
    qint64 highest = 0;
    try {
        const ContentFolder releases = releasesFolder();
        for (const QString& name : releases.entries()) {
            if (!isSafeName(name)) {
                continue;
            }
            try {
                const QByteArray envelope =
                    releases.folder(name).readRegularFile(envelopeName, ContentEnvelope::byteLimit);
                highest = std::max(highest, decode(envelope).sequence);
            } catch (const std::exception&) {
                // Not a release this store can vouch for.
            }
        }
    } catch (const std::exception&) {
        // Nothing can be listed, so nothing can be installed either.
    }
    return highest;
}

qint64 ContentStoreCore::floor() const {
    return std::max(state_.highestSequence, heldFloor_);
}

void ContentStoreCore::writeState(const ContentStoreState& state) {
    root_.replaceDurably(stateName, state.encode());
    state_ = state;
}

std::optional<ContentSnapshot> ContentStoreCore::restore() {
    for (const auto& candidate : {state_.current, state_.previous}) {
        if (!candidate || !isSafeName(*candidate)) {
            continue;
        }
        try {
            const ContentFolder folder = releasesFolder().folder(*candidate);
            const QByteArray envelope =
                folder.readRegularFile(envelopeName, ContentEnvelope::byteLimit);
            ContentSnapshot snapshot{decode(envelope), folder.path()};
            validate(snapshot.release, folder);
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
    if (release.sequence < floor()) {
        return true;
    }
    if (release.sequence > floor()) {
        return false;
    }
    const std::optional<ContentSnapshot> restored = restore();
    return restored && restored->release.sequence == release.sequence;
}

// A folder of that name is the release only if it holds exactly this envelope and every
// file still checks out; anything else is deleted and built again.
std::optional<ContentSnapshot> ContentStoreCore::preparedEarlier(const ContentRelease& release,
                                                                 const ContentFolder& releases,
                                                                 const QString& name,
                                                                 const QByteArray& envelope) const {
    if (!releases.contains(name)) {
        return std::nullopt;
    }
    try {
        const ContentFolder folder = releases.folder(name);
        if (folder.readRegularFile(envelopeName, ContentEnvelope::byteLimit) == envelope) {
            validate(release, folder);
            return ContentSnapshot{release, folder.path()};
        }
    } catch (const std::exception&) {
        // Not usable: rebuilt below.
    }
    releases.removeTree(name);
    return std::nullopt;
}

bool ContentStoreCore::copyHeldFile(const ContentFolder& releases, const ContentModule& module,
                                    const ContentFile& file, const ContentFolder& target) const {
    for (const auto& name : {state_.current, state_.previous}) {
        if (!name || !isSafeName(*name)) {
            continue;
        }
        QByteArray bytes;
        try {
            const ContentFolder source = releases.folder(*name).folder(module.id);
            const std::optional<qint64> size = source.regularFileSize(file.name);
            if (!size || *size != file.bytes) {
                continue;
            }
            bytes = source.readRegularFile(file.name, file.bytes);
        } catch (const std::exception&) {
            continue;
        }
        if (bytes.size() == file.bytes && Sha256::text(bytes) == file.sha256) {
            target.writeNewFile(file.name, bytes);
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
        QString name;
        std::optional<ContentFolder> releases;
        if (building) {
            name = ContentEnvelope::folderName(release.sequence, envelope);
            if (!isSafeName(name)) {
                throw refusal("缓存路径无效");
            }
            releases = releasesFolder();
            result = preparedEarlier(release, *releases, name, envelope);
        }
        if (building && !result) {
            staging.create(releasesFolder(), QStringLiteral("stage-") + uuidText(newUuid()));
            for (const ContentModule& module : release.modules) {
                const ContentFolder moduleFolder = staging.folder().makeFolder(module.id);
                for (const ContentFile& file : module.files) {
                    if (copyHeldFile(*releases, module, file, moduleFolder)) {
                        continue;
                    }
                    const QByteArray bytes =
                        co_await download(QStringLiteral("assets/") + file.sha256, file.bytes);
                    if (bytes.size() != file.bytes || Sha256::text(bytes) != file.sha256) {
                        throw refusal("下载资源校验失败");
                    }
                    moduleFolder.writeNewFile(file.name, bytes);
                }
            }
            validate(release, staging.folder());
            staging.folder().writeNewFile(envelopeName, envelope);
            staging.moveTo(name);
            result = ContentSnapshot{release, releases->path() + u'/' + name};
        }
    } catch (...) {
        error = std::current_exception();
    }
    busy_ = false;
    done(std::move(result), error);
}

// The snapshot names its folder by path; from there on the folder is reached from the
// store's own root, one held folder at a time.
void ContentStoreCore::activate(const ContentSnapshot& snapshot) {
    const QFileInfo path(QDir::cleanPath(QFileInfo(snapshot.root).absoluteFilePath()));
    const QString current = path.fileName();
    if (path.path() != releasesPath() || !isSafeName(current) ||
        snapshot.release.sequence < floor()) {
        throw refusal("待激活版本无效");
    }
    const ContentFolder releases = releasesFolder();
    validate(snapshot.release, releases.folder(current));
    const std::optional<QString> previous = state_.current;
    writeState(ContentStoreState{current, previous, snapshot.release.sequence});
    QStringList kept{current};
    if (previous) {
        kept.append(*previous);
    }
    try {
        releases.removeEntriesExcept(kept);
    } catch (const std::exception&) {
        // Activation has succeeded; what is left goes at the next one.
    }
}

}  // namespace tundle
