#include "config/ConfigurationStore.h"

#include "config/ConfigurationCoding.h"
#include "config/ConfigurationLock.h"
#include "support/ApplicationSupport.h"
#include "support/ConfigurationError.h"
#include "support/FileIO.h"

namespace tundle {

namespace {

const QString configurationKey = QStringLiteral("userConfiguration.v1");

// The configuration file, or nothing when the configuration lives in the defaults object.
std::optional<QString> configurationFile(const Defaults& preferences,
                                         std::optional<QString> storagePath) {
    if (storagePath) {
        return storagePath;
    }
    if (preferences.isStandard()) {
        // Without a data folder the defaults object is the only safe place; a relative path
        // would scatter the configuration over whatever folder the program starts in.
        return ApplicationSupport::path(QStringLiteral("configuration-v1.json"));
    }
    return std::nullopt;
}

StoragePlace place(Defaults& preferences, const std::optional<QString>& file,
                   const QString& suffix) {
    if (file) {
        return StoragePlace::file(*file + suffix);
    }
    return StoragePlace::key(preferences, configurationKey + suffix);
}

}  // namespace

ConfigurationStore::ConfigurationStore(Defaults& preferences, std::optional<QString> storagePath,
                                       QObject* parent)
    : QObject(parent),
      preferences_(preferences),
      configuration_(place(preferences, configurationFile(preferences, storagePath), QString())),
      previous_(place(preferences, configuration_.path(), QStringLiteral(".previous"))),
      beforeImport_(place(preferences, configuration_.path(), QStringLiteral(".before-import"))) {
    try {
        std::optional<QByteArray> stored = configuration_.read();
        std::optional<ConfigurationLock> lock;
        if (!stored) {
            // Another copy starting at the same moment may write its first configuration
            // between the read above and ours; under the lock that shows.
            lock = lockStorage();
            stored = configuration_.read();
        }
        if (stored) {
            value_ = decodeConfiguration(*stored);
        } else {
            UserConfiguration migrated = migrate();
            encoded_ = persist(migrated, std::nullopt);
            value_ = std::move(migrated);
        }
    } catch (const std::exception& failure) {
        value_ = UserConfiguration();
        encoded_.clear();
        writable_ = false;
        error_ = QStringLiteral("配置未能读取，原文件已保留，暂停保存：") + describe(failure);
    }
}

void ConfigurationStore::requireWritable() const {
    if (!writable_) {
        throw ConfigurationError(error_.value_or(QStringLiteral("配置暂不可写。")));
    }
}

void ConfigurationStore::update(const std::function<void(UserConfiguration&)>& mutation) {
    requireWritable();
    UserConfiguration copy = value_;
    mutation(copy);
    validateConfiguration(copy);
    if (copy == value_) {
        return;
    }
    copy.revision = newUuid();
    QByteArray bytes;
    try {
        const std::optional<ConfigurationLock> lock = lockStorage();
        // Bytes identical to our own last save carry our revision; anything else is decoded.
        if (auto stored = configuration_.read(); stored && *stored != encodedValue()) {
            if (decodeConfiguration(*stored).revision != value_.revision) {
                throw ConfigurationError(
                    QStringLiteral("配置已被另一份糯墩修改，请退出并重新打开后再试。"));
            }
        }
        bytes = persist(copy, encodedValue());
    } catch (const std::exception& failure) {
        setError(QStringLiteral("配置保存失败，原配置已保留：") + describe(failure));
        throw;
    }
    publish(std::move(copy), std::move(bytes));
    setError(std::nullopt);
}

QByteArray ConfigurationStore::persist(const UserConfiguration& configuration,
                                       const std::optional<QByteArray>& previous) {
    QByteArray bytes = encodeConfiguration(configuration);
    checkConfigurationSize(bytes);
    if (const std::optional<QString>& path = configuration_.path()) {
        // Both new versions are on the disk before either replaces its file, so a full disk
        // leaves the configuration and its previous copy exactly as they were. The copy is
        // replaced first: should the second replacement fail, the old configuration still
        // stands, with a copy of itself beside it.
        QList<FileIO::Contents> files;
        if (previous) {
            files.append({*previous_.path(), *previous});
        }
        files.append({*path, bytes});
        FileIO::writeAtomically(files);
        return bytes;
    }
    if (previous) {
        previous_.write(*previous);
    }
    configuration_.write(bytes);
    return bytes;
}

std::optional<ConfigurationLock> ConfigurationStore::lockStorage() const {
    if (const std::optional<QString>& path = configuration_.path()) {
        return std::optional<ConfigurationLock>(std::in_place, *path + QStringLiteral(".lock"));
    }
    return std::nullopt;
}

const QByteArray& ConfigurationStore::encodedValue() {
    if (encoded_.isEmpty()) {
        encoded_ = encodeConfiguration(value_);
    }
    return encoded_;
}

void ConfigurationStore::publish(UserConfiguration configuration, QByteArray encoded) {
    emit valueWillChange(configuration);
    value_ = std::move(configuration);
    encoded_ = std::move(encoded);
    emit valueChanged();
    emit changed();
}

void ConfigurationStore::setError(std::optional<QString> error) {
    if (error_ == error) {
        return;
    }
    error_ = std::move(error);
    emit errorChanged();
    emit changed();
}

}  // namespace tundle
