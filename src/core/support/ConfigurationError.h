#pragma once

#include "support/UserFacingError.h"

namespace tundle {

// The error of the configuration rules; other subsystems reuse it for messages of their own.
class ConfigurationError : public UserFacingError {
public:
    using UserFacingError::UserFacingError;
};

}  // namespace tundle
