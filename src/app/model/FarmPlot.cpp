#include "model/FarmPlot.h"

#include <algorithm>
#include <cmath>

#include "support/ReferenceDate.h"

namespace tundle {

std::optional<QDateTime> FarmPlot::maturityDate() const {
    if (!crop || !plantedAt) {
        return std::nullopt;
    }
    return plantedAt->addMSecs(std::llround(growthSeconds(*crop, watered) * 1000));
}

double FarmPlot::progress(const QDateTime& now) const {
    const std::optional<QDateTime> mature = maturityDate();
    if (!mature) {
        return 0;
    }
    const double total = std::max(plantedAt->msecsTo(*mature) / 1000.0, 1.0);
    const double elapsed = plantedAt->msecsTo(now) / 1000.0;
    return std::clamp(elapsed / total, 0.0, 1.0);
}

FarmPlot FarmPlot::fromJson(const JsonObject& json) {
    const auto date = [](const JsonValue& value) {
        if (auto instant = ReferenceDate::fromSeconds(value.toDouble())) {
            return *instant;
        }
        throw JsonError(QStringLiteral("数据中“%1”的数值超出范围。").arg(value.path()));
    };
    return FarmPlot{
        .id = json.required(QStringLiteral("id")).toInt(),
        .tilled = json.required(QStringLiteral("tilled")).toBool(),
        .crop = json.optional(QStringLiteral("crop"),
                              [](const JsonValue& v) { return v.toEnum(farmCropText); }),
        .plantedAt = json.optional(QStringLiteral("plantedAt"), date),
        .watered = json.required(QStringLiteral("watered")).toBool(),
    };
}

QJsonObject FarmPlot::toJson() const {
    QJsonObject json{
        {QStringLiteral("id"), id},
        {QStringLiteral("tilled"), tilled},
        {QStringLiteral("watered"), watered},
    };
    if (crop) {
        json.insert(QStringLiteral("crop"), farmCropText.raw(*crop));
    }
    if (plantedAt) {
        json.insert(QStringLiteral("plantedAt"), ReferenceDate::secondsSince(*plantedAt));
    }
    return json;
}

}  // namespace tundle
