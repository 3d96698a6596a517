#include "companion/WorkStatus.h"

namespace tundle {

std::optional<RestKind> restKindFromRaw(int raw) {
    if (raw < 0 || raw > 3) {
        return std::nullopt;
    }
    return static_cast<RestKind>(raw);
}

}  // namespace tundle
