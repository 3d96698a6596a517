#pragma once

#include <QByteArrayView>
#include <QObject>
#include <QString>
#include <QThread>
#include <exception>
#include <functional>
#include <optional>

#include "content/ContentFetch.h"
#include "content/ContentSnapshot.h"
#include "content/ContentStoreCore.h"

namespace tundle {

// The local copy of one channel's signed content releases under one root folder. The work
// runs on the store's own thread, one operation at a time, except that a prepare lets other
// operations in while it waits for a download. Every result comes back on the thread that
// created the store, and none arrives after the store is gone.
class ContentUpdateStore : public QObject {
public:
    // Refuses an unknown channel, a base address that is not plain https and a key that is
    // not base64 with ContentUpdateError; a key of the wrong form with SignatureKeyError.
    ContentUpdateStore(const QString& root, const QString& baseURL, const QString& publicKey,
                       qint64 clientBuild, ContentValidators validators, const QString& channel,
                       ContentFetch fetch, QObject* parent = nullptr);
    ~ContentUpdateStore() override;

    // The release last activated, or the one before it; nothing when neither checks out.
    void restore(std::function<void(std::optional<ContentSnapshot>)> done);
    // The channel's newest release, checked and ready but not active; nothing when there is
    // nothing new or another prepare is running.
    void prepare(ContentPrepareDone done);
    // Makes a prepared release current and deletes every release but it and the former one.
    void activate(const ContentSnapshot& snapshot, std::function<void(std::exception_ptr)> done);

    static QString digest(QByteArrayView bytes);

private:
    template <typename Work>
    void post(Work work);

    QThread thread_;
    ContentStoreCore* core_ = nullptr;
};

}  // namespace tundle
