#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QUuid>
#include <optional>

#include "config/ConfigurationCoding.h"
#include "config/ConfigurationPurpose.h"
#include "config/PortableConfiguration.h"
#include "config/UserConfiguration.h"
#include "support/JsonReader.h"

namespace tundle {

// One backup or share file. A backup holds the whole configuration of this machine, local
// paths and bookmarks included; a share file only the sections that make sense elsewhere.
struct ConfigurationPackage {
    static constexpr qint64 maximumBytes = maximumConfigurationBytes;
    static constexpr int currentVersion = 1;
    static const QString formatWord;

    // A backup of `configuration`.
    explicit ConfigurationPackage(UserConfiguration configuration,
                                  QDateTime createdAt = QDateTime::currentDateTimeUtc());
    // A share file of the sections `portable` carries.
    explicit ConfigurationPackage(PortableConfiguration portable,
                                  QDateTime createdAt = QDateTime::currentDateTimeUtc());

    QString format = formatWord;
    int version = currentVersion;
    QUuid id = newUuid();
    QDateTime createdAt;
    ConfigurationPurpose purpose;
    std::optional<UserConfiguration> backup = {};
    std::optional<PortableConfiguration> portable = {};

    // Throws the first broken rule of the package, or of the configuration it would give on
    // its own.
    void validate() const;
    // The file's bytes, after validating.
    QByteArray encoded() const;
    // Checks the size, then the format word and version, then reads and validates the whole.
    static ConfigurationPackage decode(const QByteArray& bytes);

    // `current` after importing the package: a backup replaces it, a share file replaces the
    // sections it carries and adds its shortcuts and groups under new identities.
    UserConfiguration applying(const UserConfiguration& current) const;
    // What an import would do, for the preview; counts of the package, not of the merge.
    QString summary() const;

    static ConfigurationPackage fromJson(const JsonObject& json);
    QJsonObject toJson() const;

private:
    ConfigurationPackage(ConfigurationPurpose purpose, QDateTime createdAt);
};

}  // namespace tundle
