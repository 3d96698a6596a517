#pragma once

#include <QList>

#include "companion/TrashFailure.h"
#include "companion/TrashReceipt.h"

namespace tundle {

// The outcome of one feeding, both lists in the order the items were handed in.
struct TrashResult {
    QList<TrashReceipt> receipts;
    QList<TrashFailure> failures;

    qsizetype successCount() const { return receipts.size(); }
};

}  // namespace tundle
