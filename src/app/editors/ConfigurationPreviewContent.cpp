#include "editors/ConfigurationPreviewContent.h"

#include "config/ConfigurationPackage.h"
#include "toolkit/SliderScale.h"

namespace tundle {

namespace {

QString switchWord(bool on) {
    return on ? QStringLiteral("开") : QStringLiteral("关");
}

QString clockText(int minutes) {
    return QString::asprintf("%02d:%02d", minutes / 60, minutes % 60);
}

// A weekday number's name, or nothing for a number outside the week.
std::optional<QString> weekdayName(int weekday) {
    static const QStringList names = {
        QStringLiteral("周日"), QStringLiteral("周一"), QStringLiteral("周二"),
        QStringLiteral("周三"), QStringLiteral("周四"), QStringLiteral("周五"),
        QStringLiteral("周六"),
    };
    if (weekday < 1 || weekday > names.size()) {
        return std::nullopt;
    }
    return names[weekday - 1];
}

QString weekdayKeyName(const QString& key) {
    bool isNumber = false;
    const int weekday = key.toInt(&isNumber);
    const std::optional<QString> name = isNumber ? weekdayName(weekday) : std::nullopt;
    return name.value_or(key);
}

}  // namespace

ConfigurationPreviewContent ConfigurationPreviewContent::of(const ConfigurationPackage& package) {
    ConfigurationPreviewContent content;
    if (package.backup) {
        content.preferences = package.backup->preferences;
        content.schedule = package.backup->schedule;
        content.groups = package.backup->groups;
        content.items = package.backup->shortcuts;
    } else if (package.portable) {
        content.preferences = package.portable->preferences;
        content.schedule = package.portable->schedule;
        if (const std::optional<PortableShortcuts>& shortcuts = package.portable->shortcuts) {
            content.groups = shortcuts->groups;
            content.items.reserve(shortcuts->items.size());
            for (const PortableShortcut& shared : shortcuts->items) {
                content.items.push_back(shared.localItem());
            }
        }
    }
    return content;
}

QStringList ConfigurationPreviewContent::preferenceLines(const CompanionPreferences& preferences) {
    return {
        QStringLiteral("喝水：%1 · %2 分钟；久坐：%3 · %4 分钟")
            .arg(switchWord(preferences.waterEnabled))
            .arg(preferences.waterMinutes)
            .arg(switchWord(preferences.movementEnabled))
            .arg(preferences.movementMinutes),
        QStringLiteral("大小 ") + wholePercent(preferences.petScale) + QStringLiteral(" · 角色 ") +
            preferences.petAssetPack,
        QStringLiteral("减少动态效果：") + switchWord(preferences.reduceMotion) +
            QStringLiteral("；音效：") + switchWord(preferences.soundEnabled),
    };
}

QString ConfigurationPreviewContent::scheduleText(const ScheduleConfiguration& schedule) {
    QStringList lines;
    if (const std::optional<WorkPlan>& plan = schedule.workPlan) {
        QStringList days;
        for (int weekday : plan->weekdays) {
            if (const std::optional<QString> name = weekdayName(weekday)) {
                days << *name;
            }
        }
        lines << QStringLiteral("默认工作日：") + days.join(QStringLiteral("、"));
        lines << QStringLiteral("默认时段：") + periods(plan->periods);
        // The tables are ordered maps, so their keys come in ascending string order.
        for (const auto& [key, list] : plan->weeklyOverrides.value_or(WorkPeriodTable{})) {
            lines << weekdayKeyName(key) + QStringLiteral("：") + periods(list);
        }
        for (const auto& [key, list] : plan->dateOverrides.value_or(WorkPeriodTable{})) {
            lines << key + QStringLiteral("：") + periods(list);
        }
    } else {
        lines << QStringLiteral("尚未设置工作时段");
    }
    for (const OffWorkTime& time : schedule.legacyTimes) {
        lines << QStringLiteral("旧下班时间：") + clockText(time.hour * 60 + time.minute) +
                     (time.enabled ? QString() : QStringLiteral("（关闭）"));
    }
    return lines.join(u'\n');
}

QString ConfigurationPreviewContent::periods(const std::vector<WorkPeriod>& periods) {
    QStringList written;
    for (const WorkPeriod& period : periods) {
        if (period.enabled) {
            written << clockText(period.start) + QStringLiteral("–") + clockText(period.end) +
                           (period.end < period.start ? QStringLiteral("（次日）") : QString());
        }
    }
    return written.isEmpty() ? QStringLiteral("休息") : written.join(QStringLiteral("、"));
}

QString ConfigurationPreviewContent::groupsLine(const std::vector<ShortcutGroup>& groups) {
    QStringList names;
    for (const ShortcutGroup& group : groups) {
        names << group.name;
    }
    return QStringLiteral("分组：") + names.join(QStringLiteral("、"));
}

QString ConfigurationPreviewContent::itemTitle(const ShortcutItem& item) {
    return item.name + QStringLiteral(" · ") + title(item.kind);
}

QString ConfigurationPreviewContent::itemTarget(const ShortcutItem& item) {
    return item.target.isEmpty() ? QStringLiteral("需在本机重新选择目标") : item.target;
}

}  // namespace tundle
