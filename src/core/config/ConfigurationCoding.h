#pragma once

#include <QByteArray>
#include <QString>

#include "config/UserConfiguration.h"

namespace tundle {

// The most bytes a stored configuration may take.
inline constexpr qint64 maximumConfigurationBytes = 8388608;

// What a user reads about a configuration file over that size.
QString configurationTooLargeMessage();

// Throws a ConfigurationError naming what `configuration` breaks.
void validateConfiguration(const UserConfiguration& configuration);
// Refuses bytes over the size a stored configuration may take.
void checkConfigurationSize(const QByteArray& bytes);
// Bytes to a validated configuration.
UserConfiguration decodeConfiguration(const QByteArray& bytes);
QByteArray encodeConfiguration(const UserConfiguration& configuration);
// A stored configuration's bytes, read no further than the size limit.
QByteArray readConfigurationFile(const QString& path);

}  // namespace tundle
