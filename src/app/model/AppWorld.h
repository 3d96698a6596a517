#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "companion/BreathingService.h"
#include "companion/FileManager.h"
#include "companion/Pasteboard.h"
#include "companion/ShortcutOpener.h"
#include "model/QaSwitches.h"
#include "model/Scheduler.h"
#include "model/SoundOutput.h"
#include "platform/SystemShortcutOpener.h"
#include "room/LocationSource.h"
#include "support/Defaults.h"

namespace tundle {

// A number from 0 up to below `bound`, uniformly.
int systemRandom(int bound);
// A number from 0 up to below 1, uniformly.
double systemRoll();

// Everything the application model takes from outside. The objects behind the references must
// outlive the model.
struct AppWorld {
    Defaults& preferences;
    Pasteboard& pasteboard;
    FileManager& fileManager;
    Scheduler& scheduler;
    SoundOutput& sounds;
    std::function<QDateTime()> clock = &QDateTime::currentDateTimeUtc;
    BreathingService::Clock uptime = &BreathingService::systemUptime;
    std::function<int(int)> random = &systemRandom;
    std::function<double()> roll = &systemRoll;
    // Opens shortcuts and the Trash folder.
    std::shared_ptr<ShortcutOpener> opener = std::make_shared<SystemShortcutOpener>();
    // Whether the services run their own repeating timers; off, their owner ticks them.
    bool automaticallyTicks = true;
    // The QA switches, read from the environment once at start.
    QaSwitches qa = {};
    // Holds the built-in pet packs and room scene.
    std::optional<QString> resourceFolder = std::nullopt;
    // Makes the source of the device's position for the room's weather; absent, there is none.
    std::function<std::unique_ptr<LocationSource>()> locationSource = {};
};

}  // namespace tundle
