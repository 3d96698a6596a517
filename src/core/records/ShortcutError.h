#pragma once

#include "support/UserFacingError.h"

namespace tundle {

// The error of the shortcut rules and operations: one sentence, shown unchanged.
class ShortcutError : public UserFacingError {
public:
    using UserFacingError::UserFacingError;
};

}  // namespace tundle
