#pragma once

#include <exception>
#include <functional>
#include <variant>

#include "records/WeatherLocation.h"
#include "room/WeatherSnapshot.h"

namespace tundle {

// The weather for a place, or why there is none.
using WeatherResult = std::variant<WeatherSnapshot, std::exception_ptr>;
using WeatherDone = std::function<void(WeatherResult)>;

// A source of weather records; a fixed or scripted source can stand in for the endpoint.
class WeatherProvider {
public:
    virtual ~WeatherProvider() = default;

    // Calls `done` once, on the thread that asked.
    virtual void current(const WeatherLocation& location, WeatherDone done) = 0;
};

}  // namespace tundle
