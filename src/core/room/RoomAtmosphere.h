#pragma once

#include <QDateTime>
#include <QTimeZone>
#include <optional>

#include "records/RoomPreferences.h"
#include "room/WeatherSnapshot.h"

namespace tundle {

// The look of the room at one moment: what the pet canvas and the room backdrop draw.
struct RoomAtmosphere {
    RoomWeather weather = RoomWeather::clear;
    RoomPhase phase = RoomPhase::day;
    // Strength of the weather, 0 to 1.
    double intensity = 0;
    // 0 at night to 1 in full day.
    double daylight = 1;

    bool operator==(const RoomAtmosphere&) const = default;

    // The daylight follows the sun at the chosen place, or the clock hour in `zone` (the
    // user's own zone unless a test passes another) when no place is set.
    static RoomAtmosphere resolve(const RoomPreferences& preferences,
                                  const std::optional<WeatherSnapshot>& snapshot,
                                  const QDateTime& now,
                                  const QTimeZone& zone = QTimeZone::systemTimeZone());

    // The sun's elevation above the horizon in degrees, from the NOAA solar position equations.
    static double solarElevation(const QDateTime& now, double latitude, double longitude);
    // None with the sun 6 degrees or more below the horizon, full 12 degrees above it.
    static double daylightAt(double elevation);
    static RoomPhase phaseFor(double daylight);
};

}  // namespace tundle
