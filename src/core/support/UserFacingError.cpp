#include "support/UserFacingError.h"

namespace tundle {

UserFacingError::UserFacingError(QString message)
    : message_(std::move(message)), utf8_(message_.toUtf8()) {}

QString describe(const std::exception& error) {
    if (const auto* own = dynamic_cast<const UserFacingError*>(&error)) {
        return own->message();
    }
    return QString::fromUtf8(error.what());
}

}  // namespace tundle
