#pragma once

#include "support/UserFacingError.h"

namespace tundle {

// A content release, its download or its settings refused for a reason the user can read.
class ContentUpdateError : public UserFacingError {
public:
    using UserFacingError::UserFacingError;
};

}  // namespace tundle
