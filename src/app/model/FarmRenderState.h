#pragma once

#include <QString>
#include <array>
#include <optional>

#include "model/FarmCrop.h"

namespace tundle {

// What the farm scene shows of the store at one instant, read without building any text: the
// canvas compares it on every frame, and only a reader of the render key pays for its words.
struct FarmRenderState {
    static constexpr int plotCount = 9;
    // One step of the time bucket.
    static constexpr qint64 bucketMilliseconds = 5000;

    struct Plot {
        bool tilled = false;
        std::optional<FarmCrop> crop;
        // 0 to 3, in thirds of the growth; 0 without a crop.
        int stage = 0;
        bool watered = false;

        bool operator==(const Plot&) const = default;
    };

    bool visible = true;
    double scale = 0.85;
    FarmBalance balance = FarmBalance::balanced;
    int coins = 0;
    std::array<Plot, plotCount> plots = {};
    // Whole steps of five seconds since 1970.
    qint64 timeBucket = 0;

    // Everything but the time bucket: what the panel shows.
    bool sameContent(const FarmRenderState& other) const;
    // The parts joined by "-", the plots by ",".
    QString text() const;

    bool operator==(const FarmRenderState&) const = default;
};

}  // namespace tundle
