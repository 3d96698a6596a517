#include "pets/PetActionTable.h"

#include <QLatin1String>

namespace tundle {

std::optional<std::pair<int, PetActionDefault>> PetActionDefault::of(QStringView clip) {
    for (std::size_t i = 0; i < petActionDefaults.size(); ++i) {
        if (clip == QLatin1String(petActionDefaults[i].clip)) {
            return std::pair{static_cast<int>(i), petActionDefaults[i]};
        }
    }
    return std::nullopt;
}

}  // namespace tundle
