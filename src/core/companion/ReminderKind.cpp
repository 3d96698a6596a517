#include "companion/ReminderKind.h"

namespace tundle {

QString reminderKindTitle(ReminderKind kind) {
    switch (kind) {
        case ReminderKind::water:
            return QStringLiteral("喝水提醒");
        case ReminderKind::movement:
            return QStringLiteral("久坐提醒");
    }
    return QString();
}

}  // namespace tundle
