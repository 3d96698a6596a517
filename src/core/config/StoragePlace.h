#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "support/Defaults.h"

namespace tundle {

// Where one stored copy of the configuration lives: a file, or a key of a defaults object.
class StoragePlace {
public:
    static StoragePlace file(QString path);
    static StoragePlace key(Defaults& defaults, QString key);

    // Nothing when no copy is stored. Reading a key first picks up what another running copy
    // of the program wrote.
    std::optional<QByteArray> read() const;
    void write(const QByteArray& bytes) const;

    const std::optional<QString>& path() const { return path_; }
    const QString& key() const { return key_; }

private:
    StoragePlace(std::optional<QString> path, Defaults* defaults, QString key);

    std::optional<QString> path_;
    Defaults* defaults_;
    QString key_;
};

}  // namespace tundle
