#pragma once

#include <QString>
#include <functional>

#include "support/UserFacingError.h"

namespace tundle::test {

// The message of the user-facing error of type E that `action` throws, or a marker text when it
// throws nothing, so a test can compare exact sentences in one expectation.
template <typename E = UserFacingError>
QString thrownMessage(const std::function<void()>& action) {
    try {
        action();
    } catch (const E& error) {
        return error.message();
    }
    return QStringLiteral("(nothing thrown)");
}

}  // namespace tundle::test
