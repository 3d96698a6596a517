#include "config/StoragePlace.h"

#include <QFileInfo>

#include "config/ConfigurationCoding.h"
#include "support/FileIO.h"

namespace tundle {

StoragePlace::StoragePlace(std::optional<QString> path, Defaults* defaults, QString key)
    : path_(std::move(path)), defaults_(defaults), key_(std::move(key)) {}

StoragePlace StoragePlace::file(QString path) {
    return StoragePlace(std::move(path), nullptr, {});
}

StoragePlace StoragePlace::key(Defaults& defaults, QString key) {
    return StoragePlace(std::nullopt, &defaults, std::move(key));
}

std::optional<QByteArray> StoragePlace::read() const {
    if (path_) {
        if (!QFileInfo::exists(*path_)) {
            return std::nullopt;
        }
        return readConfigurationFile(*path_);
    }
    defaults_->sync();
    const QVariant stored = defaults_->value(key_);
    if (stored.typeId() != QMetaType::QByteArray) {
        return std::nullopt;
    }
    return stored.toByteArray();
}

void StoragePlace::write(const QByteArray& bytes) const {
    if (path_) {
        FileIO::writeAtomically(*path_, bytes);
        return;
    }
    defaults_->setValue(key_, bytes);
    defaults_->sync();
}

}  // namespace tundle
