#pragma once

#include <QString>

#include "support/EnumText.h"

namespace tundle {

// Case order is the order of every per-kind loop: water comes first.
enum class ReminderKind { water, movement };

inline constexpr EnumText<ReminderKind, 2> reminderKindText{{"water", "movement"}};

QString reminderKindTitle(ReminderKind kind);

}  // namespace tundle
