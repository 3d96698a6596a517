#pragma once

#include <QString>
#include <QVariant>

namespace tundle {

// A small key-value store of settings. The standard object is the application's own; other
// objects (tests, a separate suite) keep their values apart and switch off what only the
// real application should do.
class Defaults {
public:
    virtual ~Defaults() = default;

    virtual bool isStandard() const = 0;
    // An invalid QVariant when nothing is stored under `key`.
    virtual QVariant value(const QString& key) const = 0;
    virtual void setValue(const QString& key, const QVariant& value) = 0;
    virtual void remove(const QString& key) = 0;
    // Writes pending changes and picks up what another process wrote meanwhile; throws a
    // FileError when the settings cannot be written.
    virtual void sync() = 0;
};

}  // namespace tundle
