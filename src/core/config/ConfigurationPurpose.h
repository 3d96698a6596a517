#pragma once

#include "support/EnumText.h"

namespace tundle {

// What a configuration package is for; its raw value is written in the file.
enum class ConfigurationPurpose { backup, share };
inline constexpr EnumText<ConfigurationPurpose, 2> configurationPurposeText{{"backup", "share"}};

}  // namespace tundle
