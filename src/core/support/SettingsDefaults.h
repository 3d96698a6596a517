#pragma once

#include <QSettings>
#include <memory>

#include "support/Defaults.h"

namespace tundle {

// Settings in a QSettings file.
class SettingsDefaults : public Defaults {
public:
    // The application's own settings ($XDG_CONFIG_HOME/pet-tundle/pet-tundle.conf).
    static std::unique_ptr<SettingsDefaults> standard();
    // A separate settings file; not the standard object.
    explicit SettingsDefaults(const QString& path);

    bool isStandard() const override { return standard_; }
    QVariant value(const QString& key) const override;
    void setValue(const QString& key, const QVariant& value) override;
    void remove(const QString& key) override;
    void sync() override;

private:
    SettingsDefaults(std::unique_ptr<QSettings> settings, bool standard);

    std::unique_ptr<QSettings> settings_;
    bool standard_;
};

}  // namespace tundle
