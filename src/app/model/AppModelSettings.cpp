#include "config/ConfigurationPackage.h"
#include "model/AppModel.h"
#include "support/ConfigurationError.h"
#include "support/UserFacingError.h"

namespace tundle {

void AppModel::updateConfiguration(const std::function<void(UserConfiguration&)>& edit) {
    try {
        configuration_.update(edit);
        setConfigurationMessage(std::nullopt);
    } catch (const std::exception& error) {
        setConfigurationMessage(describe(error));
    }
}

void AppModel::saveSettings() {
    updateConfiguration([this](UserConfiguration& configuration) {
        CompanionPreferences& preferences = configuration.preferences;
        preferences.waterMinutes = reminders_.waterMinutes();
        preferences.movementMinutes = reminders_.movementMinutes();
        preferences.waterEnabled = reminders_.waterEnabled();
        preferences.movementEnabled = reminders_.movementEnabled();
        preferences.breathingMinutes = breathing_.durationMinutes();
        preferences.petScale = petScale_;
        preferences.reduceMotion = reduceMotion_;
        preferences.soundEnabled = soundEnabled_;
    });
    if (reduceMotion_) {
        stopAnimation();
    } else if (!soundEnabled_) {
        stopClipSound();
    }
}

void AppModel::importConfiguration(const ConfigurationPackage& package) {
    if (busy()) {
        throw ConfigurationError(QStringLiteral("请先结束当前互动或呼吸练习，再导入配置。"));
    }
    configuration_.importConfiguration(package);
    applyStoredConfiguration();
}

void AppModel::restoreConfigurationBeforeImport() {
    if (busy()) {
        throw ConfigurationError(QStringLiteral("请先结束当前互动或呼吸练习，再恢复配置。"));
    }
    configuration_.restoreBeforeImport();
    applyStoredConfiguration();
}

void AppModel::applyStoredConfiguration() {
    const CompanionPreferences preferences = configuration_.value().preferences;
    closeFunctionPanel();
    deliverWaitingReminder();
    dismissBubble();
    applyPreferences(preferences);
    setAccessoriesCollapsed(configuration_.value().device.accessoriesCollapsed);
    if (const std::optional<PetAssetPack> pack = petAssetPackText.parse(preferences.petAssetPack)) {
        std::shared_ptr<const PetAssets> loaded = assetLoader_(*pack);
        if (loaded->loaded()) {
            assets_ = std::move(loaded);
            if (assetPack_ != *pack) {
                assetPack_ = *pack;
                emit assetPackChanged();
            }
            setAssetPackLoadError(std::nullopt);
        } else {
            setAssetPackLoadError(QStringLiteral("配置已导入，但角色素材不可用，暂用当前角色。"));
        }
    }
    stopAnimation();
    shortcuts_.reloadConfiguration();
    renewAssetRevision();
    if (configurationDidImport_) {
        configurationDidImport_();
    }
    setConfigurationMessage(QStringLiteral("配置已应用；可恢复导入前配置。"));
}

void AppModel::toggleAccessories() {
    const bool collapsed = !accessoriesCollapsed_;
    setAccessoriesCollapsed(collapsed);
    updateConfiguration([collapsed](UserConfiguration& configuration) {
        configuration.device.accessoriesCollapsed = collapsed;
    });
    if (collapsed) {
        closeFunctionPanel();
        deliverWaitingReminder();
    }
}

void AppModel::refreshContentAssets() {
    if (busy()) {
        return;
    }
    emit assetsWillChange();
    assets_ = assetLoader_(assetPack_);
    renewAssetRevision();
    animationStart_ = world_.clock();
    emit animationChanged();
}

void AppModel::presentBreathing() {
    closeFunctionPanel();
    dismissBubble();
    setBreathingPresented(true);
    reminders_.setPaused(true);
    stopAnimation();
    if (showBreathing_) {
        showBreathing_();
    }
}

}  // namespace tundle
