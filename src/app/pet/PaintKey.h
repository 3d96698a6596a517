#pragma once

#include <QString>
#include <QUuid>
#include <optional>

#include "pets/PetAssetPack.h"
#include "records/RoomPreferences.h"

namespace tundle {

// Everything visible on the pet, folded into one text: the canvas repaints only when it
// changes.
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
    QString farmKey;
    RoomWeather weather = RoomWeather::clear;
    RoomPhase phase = RoomPhase::day;
    double daylight = 1;
    // Seconds since 2001-01-01 UTC while the pet walks in the farm.
    std::optional<double> walkSeconds;
    std::optional<int> hoverFarmPlot;
    std::optional<int> selectedFarmPlot;
    std::optional<FarmFeedback> farmFeedback;

    // The nineteen parts joined by "|".
    QString text() const;

    bool operator==(const PaintKey&) const = default;
};

}  // namespace tundle
