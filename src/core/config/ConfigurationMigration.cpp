#include <QVariant>
#include <algorithm>
#include <cmath>
#include <limits>

#include "config/ConfigurationCoding.h"
#include "config/ConfigurationStore.h"
#include "config/ShortcutStore.h"
#include "records/ShortcutError.h"
#include "support/ConfigurationError.h"

namespace tundle {

namespace {

// Readers of single older entries: the default only when the entry does not exist at all;
// an existing entry counts with whatever it reads as.
class OlderEntries {
public:
    explicit OlderEntries(const Defaults& preferences) : preferences_(preferences) {}

    int integer(const QString& key, int fallback, int lowest, int highest) const {
        const QVariant stored = preferences_.value(key);
        if (!stored.isValid()) {
            return fallback;
        }
        return static_cast<int>(std::clamp<qlonglong>(stored.toLongLong(), lowest, highest));
    }

    bool boolean(const QString& key, bool fallback) const {
        const QVariant stored = preferences_.value(key);
        return stored.isValid() ? stored.toBool() : fallback;
    }

    std::optional<double> number(const QString& key) const {
        const QVariant stored = preferences_.value(key);
        if (!stored.isValid()) {
            return std::nullopt;
        }
        return stored.toDouble();
    }

    std::optional<QString> text(const QString& key) const {
        const QVariant stored = preferences_.value(key);
        if (stored.typeId() != QMetaType::QString) {
            return std::nullopt;
        }
        return stored.toString();
    }

    // Data of at least one byte.
    std::optional<QByteArray> data(const QString& key) const {
        const QVariant stored = preferences_.value(key);
        if (stored.typeId() != QMetaType::QByteArray || stored.toByteArray().isEmpty()) {
            return std::nullopt;
        }
        return stored.toByteArray();
    }

private:
    const Defaults& preferences_;
};

// A position that is not finite could never pass validation, so it would stop every start;
// the shell places the pet anew instead.
std::optional<double> position(std::optional<double> value) {
    if (value && !std::isfinite(*value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

UserConfiguration ConfigurationStore::migrate() const {
    const OlderEntries older(preferences_);
    UserConfiguration configuration;

    CompanionPreferences& preferences = configuration.preferences;
    preferences.waterMinutes = older.integer(QStringLiteral("waterMinutes"), 45, 1, 240);
    preferences.movementMinutes = older.integer(QStringLiteral("movementMinutes"), 60, 1, 240);
    preferences.waterEnabled = older.boolean(QStringLiteral("waterEnabled"), true);
    preferences.movementEnabled = older.boolean(QStringLiteral("movementEnabled"), true);
    const int breathing =
        older.integer(QStringLiteral("breathingMinutes"), 3, std::numeric_limits<int>::min(),
                      std::numeric_limits<int>::max());
    preferences.breathingMinutes =
        (breathing == 1 || breathing == 2 || breathing == 3 || breathing == 5) ? breathing : 3;
    const double scale = older.number(QStringLiteral("petScale")).value_or(1.0);
    preferences.petScale = std::isfinite(scale) ? std::clamp(scale, 0.75, 1.4) : 1.0;
    preferences.reduceMotion = older.boolean(QStringLiteral("reduceMotion"), false);
    preferences.soundEnabled = older.boolean(QStringLiteral("soundEnabled"), true);
    const QString pack = older.text(QStringLiteral("petAssetPack")).value_or(QStringLiteral("H3"));
    preferences.petAssetPack =
        pack == QStringLiteral("OriginalVideo") ? pack : QStringLiteral("H3");

    DevicePreferences& device = configuration.device;
    device.petX = position(older.number(QStringLiteral("petX")));
    device.petY = position(older.number(QStringLiteral("petY")));
    device.accessoryLayoutV1 = older.boolean(QStringLiteral("accessoryLayout.v1"), false);
    device.accessoriesCollapsed = older.boolean(QStringLiteral("accessoriesCollapsed"), false);

    if (const auto plan = older.data(QStringLiteral("workPlan.v2"))) {
        configuration.schedule.workPlan = WorkPlan::fromJson(JsonObject::parse(*plan));
    }
    if (const auto times = older.data(QStringLiteral("offWorkTimes.v1"))) {
        configuration.schedule.legacyTimes = JsonValue::parseArray(*times).toRecords<OffWorkTime>();
    }

    try {
        ShortcutLists shortcuts = ShortcutStore(preferences_, std::nullopt).load();
        configuration.shortcuts = std::move(shortcuts.items);
        configuration.groups = std::move(shortcuts.groups);
    } catch (const ShortcutError& failure) {
        throw ConfigurationError(failure.message());
    }

    validateConfiguration(configuration);
    return configuration;
}

}  // namespace tundle
