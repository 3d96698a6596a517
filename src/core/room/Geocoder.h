#pragma once

#include <QString>
#include <exception>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

namespace tundle {

// A place a geocoder found for a typed name.
struct Placemark {
    struct Coordinate {
        double latitude = 0;
        double longitude = 0;
    };

    std::optional<Coordinate> location = {};
    // The city or town, when the place lies in one.
    std::optional<QString> locality = {};
    std::optional<QString> name = {};
};

using GeocodeResult = std::variant<std::vector<Placemark>, std::exception_ptr>;
using GeocodeDone = std::function<void(GeocodeResult)>;

// Turns a typed place name into places, one request at a time.
class Geocoder {
public:
    virtual ~Geocoder() = default;

    // Calls `done` once, later, on the main thread; a new request replaces a running one.
    virtual void geocode(const QString& address, GeocodeDone done) = 0;
    // The running request's `done` is not called.
    virtual void cancel() = 0;
};

}  // namespace tundle
