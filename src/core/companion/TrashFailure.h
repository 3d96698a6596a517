#pragma once

#include <QString>
#include <QUrl>

namespace tundle {

// One item that was refused or could not be moved, with the sentence the user reads.
struct TrashFailure {
    QUrl url;
    QString message;

    bool operator==(const TrashFailure&) const = default;
};

}  // namespace tundle
