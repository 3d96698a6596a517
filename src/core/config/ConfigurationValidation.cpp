#include <QSet>
#include <QUuid>
#include <algorithm>
#include <cmath>

#include "config/ConfigurationCoding.h"
#include "records/WebAddress.h"
#include "support/ConfigurationError.h"
#include "support/Graphemes.h"

namespace tundle {

namespace {

constexpr std::size_t maximumShortcuts = 2000;
constexpr std::size_t maximumGroups = 200;
constexpr qsizetype maximumNameLength = 500;
constexpr qsizetype maximumTargetLength = 16384;
constexpr qsizetype maximumBookmarkBytes = 262144;
constexpr std::size_t maximumLegacyTimes = 100;
constexpr std::size_t maximumWorkPeriods = 5000;

void require(bool rule, const char* message) {
    if (!rule) {
        throw ConfigurationError(QString::fromUtf8(message));
    }
}

// A text of no more UTF-16 units than the limit has no more characters either: only longer
// texts are counted, which keeps checking a large configuration fast.
bool withinCharacters(const QString& text, qsizetype limit) {
    return text.size() <= limit || graphemeCount(text) <= limit;
}

bool isName(const QString& name) {
    return !trimmedText(name).isEmpty() && withinCharacters(name, maximumNameLength);
}

bool isAsciiDigits(QStringView text) {
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') {
            return false;
        }
    }
    return true;
}

// The shape of a date key only; whether the date exists does not matter.
bool isDateKey(const QString& key) {
    return key.size() == 10 && key[4] == u'-' && key[7] == u'-' &&
           isAsciiDigits(QStringView(key).mid(0, 4)) && isAsciiDigits(QStringView(key).mid(5, 2)) &&
           isAsciiDigits(QStringView(key).mid(8, 2));
}

bool isWeekdayKey(const QString& key) {
    return key.size() == 1 && key[0] >= u'1' && key[0] <= u'7';
}

template <typename Record>
QSet<QUuid> distinctIds(const std::vector<Record>& records) {
    QSet<QUuid> ids;
    ids.reserve(static_cast<qsizetype>(records.size()));
    for (const Record& record : records) {
        ids.insert(record.id);
    }
    return ids;
}

void validateWorkPlan(const WorkPlan& plan) {
    const char* message = "工作时段配置无效。";
    const std::vector<WorkPeriod> all = plan.allPeriods();
    require(all.size() <= maximumWorkPeriods, message);
    for (const int weekday : plan.weekdays) {
        require(weekday >= 1 && weekday <= 7, message);
    }
    for (const WorkPeriod& period : all) {
        require(period.start >= 0 && period.start <= 1439 && period.end >= 0 &&
                    period.end <= 1439 && period.start != period.end,
                message);
    }
    if (plan.weeklyOverrides) {
        for (const auto& [key, periods] : *plan.weeklyOverrides) {
            require(isWeekdayKey(key), message);
        }
    }
    if (plan.dateOverrides) {
        for (const auto& [key, periods] : *plan.dateOverrides) {
            require(isDateKey(key), message);
        }
    }
}

}  // namespace

void validateConfiguration(const UserConfiguration& configuration) {
    const CompanionPreferences& preferences = configuration.preferences;
    const DevicePreferences& device = configuration.device;

    require(!device.room || !device.room->location || device.room->location->isValid(),
            "天气位置无效。");

    const char* preferencesMessage = "配置版本或偏好数值无效。";
    const int breathing = preferences.breathingMinutes;
    require(configuration.schemaVersion == 1 && preferences.waterMinutes >= 1 &&
                preferences.waterMinutes <= 240 && preferences.movementMinutes >= 1 &&
                preferences.movementMinutes <= 240 &&
                (breathing == 1 || breathing == 2 || breathing == 3 || breathing == 5) &&
                std::isfinite(preferences.petScale) && preferences.petScale >= 0.75 &&
                preferences.petScale <= 1.4,
            preferencesMessage);
    require((preferences.petAssetPack == u"H3" || preferences.petAssetPack == u"OriginalVideo") &&
                (!device.petX || std::isfinite(*device.petX)) &&
                (!device.petY || std::isfinite(*device.petY)),
            preferencesMessage);

    const auto& shortcuts = configuration.shortcuts;
    const auto& groups = configuration.groups;
    require(shortcuts.size() <= maximumShortcuts && groups.size() <= maximumGroups,
            "快捷方式数量、标识或置顶数量无效。");
    const QSet<QUuid> groupIds = distinctIds(groups);
    const auto pinned = std::count_if(shortcuts.begin(), shortcuts.end(),
                                      [](const ShortcutItem& item) { return item.pinned; });
    require(static_cast<std::size_t>(distinctIds(shortcuts).size()) == shortcuts.size() &&
                static_cast<std::size_t>(groupIds.size()) == groups.size() &&
                pinned <= ShortcutItem::pinLimit,
            "快捷方式数量、标识或置顶数量无效。");

    for (const ShortcutGroup& group : groups) {
        require(isName(group.name), "分组名称无效。");
    }

    for (const ShortcutItem& item : shortcuts) {
        require(isName(item.name) && withinCharacters(item.target, maximumTargetLength) &&
                    (!item.bookmark || item.bookmark->size() <= maximumBookmarkBytes) &&
                    (!item.groupID || groupIds.contains(*item.groupID)),
                "快捷方式内容或分组引用无效。");
        if (item.kind == ShortcutKind::website) {
            WebAddress::fromTyped(item.target);
        } else {
            require(item.target.isEmpty() || item.target.startsWith(u'/'),
                    "本机快捷方式路径无效。");
        }
    }

    const auto& legacyTimes = configuration.schedule.legacyTimes;
    require(legacyTimes.size() <= maximumLegacyTimes, "旧作息时间无效。");
    for (const OffWorkTime& time : legacyTimes) {
        require(time.hour >= 0 && time.hour <= 23 && time.minute >= 0 && time.minute <= 59,
                "旧作息时间无效。");
    }

    if (configuration.schedule.workPlan) {
        validateWorkPlan(*configuration.schedule.workPlan);
    }
}

}  // namespace tundle
