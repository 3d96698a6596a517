#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

#include "companion/FileManager.h"
#include "companion/TrashReceipt.h"
#include "companion/TrashResult.h"

namespace tundle {

class ProtectedPlaces;

// Moves the items fed to the pet into the Trash, never deleting anything, and puts each back
// on request while this process runs, provided its old place is free and the item in the Trash
// is still the one that was moved. Receipts are kept in memory only.
class TrashService : public QObject {
    Q_OBJECT

public:
    // `fileManager` must outlive the service.
    explicit TrashService(FileManager& fileManager, QObject* parent = nullptr);

    // Newest first.
    const QList<TrashReceipt>& receipts() const { return receipts_; }

    // Never fails as a whole: every refused or failed item becomes a failure.
    TrashResult trash(const QList<QUrl>& urls);
    // Throws TrashRestoreError, or the file manager's error when the final move fails; either
    // way files and receipts stay as they were.
    void undo(const TrashReceipt& receipt);

    // Symbolic links are resolved first, so a link to a protected place is protected too.
    static bool isProtectedLocation(const QUrl& url, const QUrl& home, const QUrl& trash);

signals:
    void receiptsChanged();
    void changed();

private:
    void trashOne(const QUrl& url, const ProtectedPlaces& protectedPlaces, TrashResult& result);
    void publish();

    FileManager& fileManager_;
    QList<TrashReceipt> receipts_;
};

}  // namespace tundle
