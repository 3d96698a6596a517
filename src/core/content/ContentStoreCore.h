#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <coroutine>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "content/ContentFetch.h"
#include "content/ContentSnapshot.h"
#include "content/ContentStoreState.h"
#include "content/Ed25519PublicKey.h"

namespace tundle {

using ContentValidator = std::function<void(const ContentModule& module, const QString& folder)>;
using ContentValidators = std::map<QString, ContentValidator>;
using ContentPrepareDone =
    std::function<void(std::optional<ContentSnapshot> snapshot, std::exception_ptr error)>;

// The store's own work, done on one thread that runs an event loop. Every operation runs to
// its end except a prepare, which pauses at each download and lets other operations run
// meanwhile; the download's answer resumes it on the same thread.
class ContentStoreCore : public QObject {
public:
    struct Settings {
        QString root;
        QUrl base;
        QString channel;
        Ed25519PublicKey publicKey;
        qint64 clientBuild = 0;
        ContentValidators validators;
        ContentFetch fetch;
    };

    ContentStoreCore(Settings settings, ContentStoreState state);
    ~ContentStoreCore() override;

    std::optional<ContentSnapshot> restore();
    // Calls `done` when finished, at once with nothing while another prepare is running.
    void prepare(const ContentPrepareDone& done);
    void activate(const ContentSnapshot& snapshot);

private:
    class FetchAwaiter;
    struct PrepareRun;

    PrepareRun runPrepare(ContentPrepareDone done);
    FetchAwaiter download(const QString& path, qint64 limit);

    ContentRelease decode(const QByteArray& envelope) const;
    void validate(const ContentSnapshot& snapshot) const;
    bool isNothingNew(const ContentRelease& release);
    std::optional<ContentSnapshot> preparedEarlier(const ContentRelease& release,
                                                   const QString& folder,
                                                   const QByteArray& envelope) const;
    bool copyHeldFile(const ContentModule& module, const ContentFile& file,
                      const QString& target) const;
    void writeState(const ContentStoreState& state);

    QString releasesFolder() const;
    QString releaseFolder(const QString& name) const;

    Settings settings_;
    ContentStoreState state_;
    bool busy_ = false;
    std::coroutine_handle<> suspended_;
    quint64 waitingFetch_ = 0;
    quint64 fetchCount_ = 0;
    std::shared_ptr<QObject> mailbox_;
};

}  // namespace tundle
