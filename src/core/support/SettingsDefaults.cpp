#include "support/SettingsDefaults.h"

#include "support/FileIO.h"

namespace tundle {

SettingsDefaults::SettingsDefaults(std::unique_ptr<QSettings> settings, bool standard)
    : settings_(std::move(settings)), standard_(standard) {}

SettingsDefaults::SettingsDefaults(const QString& path)
    : SettingsDefaults(std::make_unique<QSettings>(path, QSettings::IniFormat), false) {}

std::unique_ptr<SettingsDefaults> SettingsDefaults::standard() {
    return std::unique_ptr<SettingsDefaults>(new SettingsDefaults(
        std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                    QStringLiteral("pet-tundle"), QStringLiteral("pet-tundle")),
        true));
}

QVariant SettingsDefaults::value(const QString& key) const {
    return settings_->value(key);
}

void SettingsDefaults::setValue(const QString& key, const QVariant& value) {
    settings_->setValue(key, value);
}

void SettingsDefaults::remove(const QString& key) {
    settings_->remove(key);
}

void SettingsDefaults::sync() {
    settings_->sync();
    if (settings_->status() == QSettings::AccessError) {
        throw FileError(
            QStringLiteral("无法保存设置文件“%1”，请检查权限。").arg(settings_->fileName()));
    }
}

}  // namespace tundle
