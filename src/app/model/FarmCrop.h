#pragma once

#include <QString>

#include "support/EnumText.h"

namespace tundle {

enum class FarmCrop { radish, corn, watermelon };
inline constexpr EnumText<FarmCrop, 3> farmCropText{{"radish", "corn", "watermelon"}};

// Whether the pet or the field gets more room beside each other.
enum class FarmBalance { pet, balanced, farm };
inline constexpr EnumText<FarmBalance, 3> farmBalanceText{{"pet", "balanced", "farm"}};

QString displayName(FarmCrop crop);
int salePrice(FarmCrop crop);
// Seconds from sowing to harvest; watering makes it 0.8 times as long.
double growthSeconds(FarmCrop crop, bool watered);

}  // namespace tundle
