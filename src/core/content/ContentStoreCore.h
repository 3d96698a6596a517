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
#include "content/ContentFolder.h"
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

    // Opens the root, creating it and its "releases" folder when missing, and reads the state.
    explicit ContentStoreCore(Settings settings);
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
    void validate(const ContentRelease& release, const ContentFolder& folder) const;
    qint64 heldFloor() const;
    qint64 floor() const;
    bool isNothingNew(const ContentRelease& release);
    std::optional<ContentSnapshot> preparedEarlier(const ContentRelease& release,
                                                   const ContentFolder& releases,
                                                   const QString& name,
                                                   const QByteArray& envelope) const;
    bool copyHeldFile(const ContentFolder& releases, const ContentModule& module,
                      const ContentFile& file, const ContentFolder& target) const;
    void writeState(const ContentStoreState& state);

    ContentFolder releasesFolder() const;
    QString releasesPath() const;

    Settings settings_;
    ContentFolder root_;
    ContentStoreState state_;
    // The newest sequence of the releases held on disk when the store opened. No release below
    // it is installed or activated, whatever the state file says: a damaged state file, or a
    // well-formed one that names a lower sequence, must not let an older release back in.
    qint64 heldFloor_ = 0;
    bool busy_ = false;
    std::coroutine_handle<> suspended_;
    quint64 waitingFetch_ = 0;
    quint64 fetchCount_ = 0;
    std::shared_ptr<QObject> mailbox_;
};

}  // namespace tundle
