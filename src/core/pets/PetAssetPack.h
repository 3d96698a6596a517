#pragma once

#include "support/EnumText.h"

namespace tundle {

// The pet's character packs; the raw value names the pack folder and the content module.
enum class PetAssetPack { h3, originalVideo };

inline constexpr EnumText<PetAssetPack, 2> petAssetPackText{{"H3", "OriginalVideo"}};

}  // namespace tundle
