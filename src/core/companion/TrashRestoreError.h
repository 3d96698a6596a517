#pragma once

#include "support/UserFacingError.h"

namespace tundle {

// Why a trashed item was not put back; nothing was moved.
class TrashRestoreError : public UserFacingError {
public:
    enum class Reason { unknownReceipt, destinationExists, trashedFileMissing, trashedFileChanged };

    explicit TrashRestoreError(Reason reason);

    Reason reason() const noexcept { return reason_; }
    bool operator==(const TrashRestoreError& other) const noexcept {
        return reason_ == other.reason_;
    }

    static QString description(Reason reason);

private:
    Reason reason_;
};

}  // namespace tundle
