#pragma once

#include <QString>
#include <QUuid>
#include <optional>

#include "model/FarmRenderState.h"
#include "pets/PetAssetPack.h"
#include "records/RoomPreferences.h"

namespace tundle {

// Everything visible on the pet: the canvas repaints only when it changes. Compared as it is on
// every frame; folded into one text only when someone reads it.
struct PaintKey {
    // What the farm's feedback label shows.
    struct FarmFeedback {
        int plot = 0;
        QString title;
        QString detail;
        bool doubled = false;

        bool operator==(const FarmFeedback&) const = default;
    };

    std::optional<QString> actionTitle;
    std::optional<QString> secondaryTitle;
    PetAssetPack pack = PetAssetPack::h3;
    QUuid assetRevision;
    int frame = 0;
    QString animation;
    QString bubble;
    QString bubbleDetail;
    bool draggingFile = false;
    bool breathingQuiet = false;
    // Whole seconds since 1970 while a breathing exercise runs.
    std::optional<qint64> breathingSeconds;
    FarmRenderState farm;
    RoomWeather weather = RoomWeather::clear;
    RoomPhase phase = RoomPhase::day;
    // Daylight (0 to 1) counts in twentieths.
    static constexpr int daylightSteps = 20;
    // The integer part of daylight × 20.
    int daylight = daylightSteps;
    // While the pet walks in the farm: whole thirtieths of a second since 2001-01-01 UTC.
    std::optional<qint64> walkSteps;
    std::optional<int> hoverFarmPlot;
    std::optional<int> selectedFarmPlot;
    std::optional<FarmFeedback> farmFeedback;

    // The nineteen parts joined by "|".
    QString text() const;

    bool operator==(const PaintKey&) const = default;
};

}  // namespace tundle
