#include "room/RoomAtmosphere.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tundle {

namespace {

double clockDaylight(const QDateTime& now, const QTimeZone& zone) {
    const int hour = now.toTimeZone(zone).time().hour();
    if (hour >= 7 && hour <= 17) {
        return 1.0;
    }
    return hour == 6 || hour == 18 ? 0.4 : 0.0;
}

double phaseDaylight(RoomPhase phase) {
    switch (phase) {
        case RoomPhase::day:
            return 1.0;
        case RoomPhase::dusk:
            return 0.4;
        case RoomPhase::night:
            return 0.0;
    }
    return 0.0;
}

}  // namespace

RoomPhase RoomAtmosphere::phaseFor(double daylight) {
    if (daylight > 0.75) {
        return RoomPhase::day;
    }
    return daylight > 0.02 ? RoomPhase::dusk : RoomPhase::night;
}

double RoomAtmosphere::daylightAt(double elevation) {
    const double linear = (elevation + 6) / 18;
    // NaN coordinates give no daylight rather than an undefined one.
    return std::isnan(linear) ? 0.0 : std::clamp(linear, 0.0, 1.0);
}

double RoomAtmosphere::solarElevation(const QDateTime& now, double latitude, double longitude) {
    const QDateTime utc = now.toUTC();
    const int dayOfYear = utc.date().dayOfYear();
    const QTime time = utc.time();
    const double t = time.hour() + time.minute() / 60.0 + time.second() / 3600.0;
    const double gamma = 0.01721420632103996 * (dayOfYear - 1 + (t - 12) / 24);
    const double equationOfTime =
        229.18 * (0.000075 + 0.001868 * std::cos(gamma) - 0.032077 * std::sin(gamma) -
                  0.014615 * std::cos(2 * gamma) - 0.040849 * std::sin(2 * gamma));
    const double declination = 0.006918 - 0.399912 * std::cos(gamma) + 0.070257 * std::sin(gamma) -
                               0.006758 * std::cos(2 * gamma) + 0.000907 * std::sin(2 * gamma) -
                               0.002697 * std::cos(3 * gamma) + 0.00148 * std::sin(3 * gamma);
    const double trueSolarMinutes = 60 * t + equationOfTime + 4 * longitude;
    const double hourAngle = trueSolarMinutes / 4 - 180;
    constexpr double radians = std::numbers::pi / 180;
    const double phi = latitude * radians;
    const double z =
        std::clamp(std::sin(phi) * std::sin(declination) +
                       std::cos(phi) * std::cos(declination) * std::cos(hourAngle * radians),
                   -1.0, 1.0);
    return std::asin(z) / radians;
}

RoomAtmosphere RoomAtmosphere::resolve(const RoomPreferences& preferences,
                                       const std::optional<WeatherSnapshot>& snapshot,
                                       const QDateTime& now, const QTimeZone& zone) {
    if (preferences.mode == RoomMode::fixed) {
        return RoomAtmosphere{preferences.fixedWeather, preferences.fixedPhase, 0.5,
                              phaseDaylight(preferences.fixedPhase)};
    }
    double daylight = clockDaylight(now, zone);
    if (const auto& place = preferences.location) {
        daylight = daylightAt(solarElevation(now, place->latitude, place->longitude));
    }
    RoomAtmosphere atmosphere{RoomWeather::clear, phaseFor(daylight), 0.0, daylight};
    if (preferences.mode == RoomMode::weather && snapshot && preferences.location &&
        snapshot->locationKey == preferences.location->key() && snapshot->usable(now)) {
        atmosphere.weather = snapshot->condition;
        atmosphere.intensity = snapshot->intensity;
    }
    return atmosphere;
}

}  // namespace tundle
