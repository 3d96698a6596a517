#pragma once

#include <QDateTime>
#include <QString>
#include <QUrl>
#include <QUuid>

#include "companion/TrashedFileIdentity.h"

namespace tundle {

// What is needed to put one trashed item back: where it was, where the Trash put it and the
// fingerprint it had there just after the move.
struct TrashReceipt {
    QUuid id;
    QUrl originalURL;
    QUrl trashedURL;
    QDateTime movedAt;
    TrashedFileIdentity identity;

    bool operator==(const TrashReceipt&) const = default;

    QString filename() const { return originalURL.fileName(); }
};

}  // namespace tundle
