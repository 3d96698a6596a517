#include "content/ContentUpdateStore.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "content/ContentNames.h"
#include "content/ContentUpdateError.h"
#include "content/Sha256.h"

namespace tundle {

namespace {

ContentUpdateError invalidSettings() {
    return ContentUpdateError(QStringLiteral("更新配置无效"));
}

// The scheme is judged as written, before QUrl lower-cases it.
QUrl checkedBase(const QString& text) {
    const QUrl url(text, QUrl::StrictMode);
    if (!text.startsWith(QLatin1String("https:")) || !url.isValid() || url.host().isEmpty() ||
        url.hasQuery() || url.hasFragment() || !url.userName().isEmpty()) {
        throw invalidSettings();
    }
    return url;
}

}  // namespace

ContentUpdateStore::ContentUpdateStore(const QString& root, const QString& baseURL,
                                       const QString& publicKey, qint64 clientBuild,
                                       ContentValidators validators, const QString& channel,
                                       ContentFetch fetch, QObject* parent)
    : QObject(parent) {
    if (channel != QLatin1String("stable") && channel != QLatin1String("rooms-v1")) {
        throw invalidSettings();
    }
    const QUrl base = checkedBase(baseURL);
    const std::optional<QByteArray> key = decodeStrictBase64(publicKey);
    if (!key) {
        throw invalidSettings();
    }
    const QString folder = QDir::cleanPath(QFileInfo(root).absoluteFilePath());
    ContentStoreCore::Settings settings{
        .root = folder,
        .base = base,
        .channel = channel,
        .publicKey = Ed25519PublicKey::fromRaw(*key),
        .clientBuild = clientBuild,
        .validators = std::move(validators),
        .fetch = std::move(fetch),
    };
    core_ = new ContentStoreCore(std::move(settings));
    core_->moveToThread(&thread_);
    thread_.start();
}

ContentUpdateStore::~ContentUpdateStore() {
    QMetaObject::invokeMethod(
        core_, [core = core_] { delete core; }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

template <typename Work>
void ContentUpdateStore::post(Work work) {
    QMetaObject::invokeMethod(core_, std::move(work), Qt::QueuedConnection);
}

// Answers are posted back to this object: the destructor waits for the store's thread
// before the object goes, so a posted answer always finds it alive or is discarded with it.
void ContentUpdateStore::restore(std::function<void(std::optional<ContentSnapshot>)> done) {
    post([this, core = core_, done = std::move(done)] {
        QMetaObject::invokeMethod(
            this, [done, snapshot = core->restore()] { done(snapshot); }, Qt::QueuedConnection);
    });
}

void ContentUpdateStore::prepare(ContentPrepareDone done) {
    post([this, core = core_, done = std::move(done)] {
        core->prepare(
            [this, done](std::optional<ContentSnapshot> snapshot, std::exception_ptr error) {
                QMetaObject::invokeMethod(
                    this, [done, snapshot = std::move(snapshot), error] { done(snapshot, error); },
                    Qt::QueuedConnection);
            });
    });
}

void ContentUpdateStore::activate(const ContentSnapshot& snapshot,
                                  std::function<void(std::exception_ptr)> done) {
    post([this, core = core_, snapshot, done = std::move(done)] {
        std::exception_ptr error;
        try {
            core->activate(snapshot);
        } catch (...) {
            error = std::current_exception();
        }
        QMetaObject::invokeMethod(
            this, [done, error] { done(error); }, Qt::QueuedConnection);
    });
}

QString ContentUpdateStore::digest(QByteArrayView bytes) {
    return Sha256::text(bytes);
}

}  // namespace tundle
