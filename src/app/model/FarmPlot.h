#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <optional>

#include "model/FarmCrop.h"
#include "support/JsonReader.h"

namespace tundle {

// One of the nine plots of the farm; its index in the field is its id.
struct FarmPlot {
    int id = 0;
    bool tilled = false;
    std::optional<FarmCrop> crop = {};
    std::optional<QDateTime> plantedAt = {};
    bool watered = false;

    bool operator==(const FarmPlot&) const = default;

    std::optional<QDateTime> maturityDate() const;
    // Growth from 0 at sowing to 1 at maturity.
    double progress(const QDateTime& now) const;

    static FarmPlot fromJson(const JsonObject& json);
    QJsonObject toJson() const;
};

struct FarmHarvestResult {
    FarmCrop crop = FarmCrop::radish;
    int price = 0;
    // 2 for a double harvest.
    int multiplier = 1;

    bool operator==(const FarmHarvestResult&) const = default;
};

}  // namespace tundle
