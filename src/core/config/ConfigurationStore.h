#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "config/ConfigurationLock.h"
#include "config/StoragePlace.h"
#include "config/UserConfiguration.h"
#include "support/Defaults.h"

namespace tundle {

struct ConfigurationPackage;

// Owns the one configuration of the running program: loads it once, publishes it, and is the
// only way to change it. Every change is validated, checked against a second running copy of
// the program by its revision under a lock that second copy respects too, saved atomically
// together with a copy of the previous state, and only then published.
class ConfigurationStore : public QObject {
    Q_OBJECT

public:
    // Without `storagePath`, the standard defaults keep the configuration in the data folder and
    // any other defaults object keeps it under its own keys. Never fails: a load failure makes
    // the store unwritable and shows in `error`.
    explicit ConfigurationStore(Defaults& preferences,
                                std::optional<QString> storagePath = std::nullopt,
                                QObject* parent = nullptr);

    const UserConfiguration& value() const { return value_; }
    const std::optional<QString>& error() const { return error_; }
    bool isWritable() const { return writable_; }
    const std::optional<QString>& storagePath() const { return configuration_.path(); }
    const StoragePlace& beforeImportPlace() const { return beforeImport_; }

    // Applies `mutation` to a copy of the value and saves it; throws what refused the change,
    // leaving the value and the stored copies as they were.
    void update(const std::function<void(UserConfiguration&)>& mutation);

    // Saves what `package` makes of the value, after keeping the value as the pre-import copy.
    void importConfiguration(const ConfigurationPackage& package);
    // Saves the pre-import copy as the value again; the copy stays for another restore.
    void restoreBeforeImport();

signals:
    // Carries the new value while `value()` still holds the old one.
    void valueWillChange(const tundle::UserConfiguration& newValue);
    void valueChanged();
    void errorChanged();
    void changed();

private:
    // Refuses every change after a failed load, with the load's own message.
    void requireWritable() const;
    // Saves `configuration` after writing `previous`, the encoding of the state it replaces;
    // returns the saved bytes.
    QByteArray persist(const UserConfiguration& configuration,
                       const std::optional<QByteArray>& previous);
    // Held across reading, checking and replacing the stored copy; nothing when the
    // configuration lives in a defaults object, which has no file to lock.
    std::optional<ConfigurationLock> lockStorage() const;
    // The encoding of `value_`, kept from the last save so a change encodes only the new state.
    const QByteArray& encodedValue();
    // The first configuration, built from the settings of older releases, which stay as they
    // were; validated.
    UserConfiguration migrate() const;
    void publish(UserConfiguration configuration, QByteArray encoded);
    void setError(std::optional<QString> error);

    Defaults& preferences_;
    StoragePlace configuration_;
    StoragePlace previous_;
    StoragePlace beforeImport_;
    UserConfiguration value_;
    std::optional<QString> error_;
    bool writable_ = true;
    QByteArray encoded_;
};

}  // namespace tundle
