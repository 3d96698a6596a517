#pragma once

#include <QString>
#include <chrono>

#include "support/FileDescriptor.h"

namespace tundle {

// An exclusive lock on the configuration, shared with every other running copy of the program:
// `flock` on a lock file beside the configuration, held while the stored copy is read, checked
// and replaced, so no copy can write between another's check and its write. The kernel lets go
// of it when its holder ends, even by a crash.
class ConfigurationLock {
public:
    static constexpr std::chrono::milliseconds patience{2000};

    // Waits for the lock at most `patience`, so a stuck copy cannot freeze this one; throws
    // ConfigurationError when the wait runs out and FileError when the lock file cannot be made.
    explicit ConfigurationLock(const QString& lockPath);

private:
    FileDescriptor file_;
};

}  // namespace tundle
