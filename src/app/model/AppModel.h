#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QUuid>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "companion/BreathingService.h"
#include "companion/ClipboardService.h"
#include "companion/ReminderKind.h"
#include "companion/ReminderService.h"
#include "companion/ShortcutService.h"
#include "companion/TrashService.h"
#include "config/ConfigurationStore.h"
#include "model/AppWorld.h"
#include "model/PanelPage.h"
#include "model/Scheduler.h"
#include "model/SoundOutput.h"
#include "model/UpdateStatus.h"
#include "pets/PetAssetLibrary.h"
#include "pets/PetAssetPack.h"
#include "pets/PetAssets.h"
#include "room/RoomEnvironment.h"

namespace tundle {

struct ConfigurationPackage;

// The hub of the application: it owns every service, holds the state that crosses features
// (the speech bubble, the pet's clip, the function panel, reminder delivery) and reaches the
// windows only through the callbacks the shell installs. Main thread only.
class AppModel : public QObject {
    Q_OBJECT

public:
    enum class FunctionPanel { shortcuts };
    // Never answers null; a pack that cannot be used reports `loaded()` false.
    using AssetLoader = std::function<std::shared_ptr<const PetAssets>(PetAssetPack)>;

    static constexpr int snoozeMinutes = 5;

    // `assets`, when given, serves every pack; `assetLoader`, when given, loads the packs.
    explicit AppModel(AppWorld world, std::shared_ptr<const PetAssets> assets = nullptr,
                      AssetLoader assetLoader = {}, QObject* parent = nullptr);
    ~AppModel() override;

    // Whether the room may ask the network for weather: only for the application's own
    // settings, and not in the QA mode.
    static bool roomNetworking(const AppWorld& world);

    ReminderService& reminders() { return reminders_; }
    BreathingService& breathing() { return breathing_; }
    ClipboardService& clipboard() { return clipboard_; }
    TrashService& trash() { return trash_; }
    ConfigurationStore& configuration() { return configuration_; }
    RoomEnvironment& room() { return room_; }
    ShortcutService& shortcuts() { return shortcuts_; }
    // The update coordinator hands the downloaded packs to it.
    PetAssetLibrary& assetLibrary() { return assetLibrary_; }
    // Written by the update coordinator, shown by the menu and the settings page.
    UpdateStatus& updates() { return updates_; }

    const std::optional<QString>& configurationMessage() const { return configurationMessage_; }
    std::optional<FunctionPanel> functionPanel() const { return functionPanel_; }
    const std::optional<QString>& shortcutOpenError() const { return shortcutOpenError_; }
    const QUuid& functionGeneration() const { return functionGeneration_; }
    bool accessoriesCollapsed() const { return accessoriesCollapsed_; }
    bool breathingPresented() const { return breathingPresented_; }
    // The breathing window is up, or an exercise runs or waits paused: the pet keeps quiet.
    bool breathingQuiet() const {
        return breathingPresented_ || breathing_.state() == BreathingState::running ||
               breathing_.state() == BreathingState::paused;
    }
    PanelPage page() const { return page_; }
    double petScale() const { return petScale_; }
    bool reduceMotion() const { return reduceMotion_; }
    bool soundEnabled() const { return soundEnabled_; }

    const QString& bubble() const { return bubble_; }
    const QString& bubbleDetail() const { return bubbleDetail_; }
    const std::optional<QString>& bubbleActionTitle() const { return bubbleActionTitle_; }
    const std::optional<QString>& bubbleSecondaryTitle() const { return bubbleSecondaryTitle_; }
    // Renewed whenever a bubble goes up or comes down.
    const QUuid& messageToken() const { return messageToken_; }
    bool hasParkedBubble() const { return static_cast<bool>(deferredMessage_); }
    const std::vector<ReminderKind>& waitingReminders() const { return waitingReminders_; }
    std::optional<ReminderKind> activeReminder() const { return activeReminder_; }

    const QString& animation() const { return animation_; }
    const QDateTime& animationStart() const { return animationStart_; }
    PetAssetPack assetPack() const { return assetPack_; }
    const std::optional<QString>& assetPackLoadError() const { return assetPackLoadError_; }
    const PetAssets& assets() const { return *assets_; }
    const QUuid& assetRevision() const { return assetRevision_; }

    void setPage(PanelPage page);
    void setPetScale(double scale);
    void setReduceMotion(bool on);
    void setSoundEnabled(bool on);
    // The breathing window reports that it was closed.
    void setBreathingPresented(bool presented);
    // Set once by the shell: show the breathing window; resize and re-place the pet after an
    // import.
    void setShowBreathing(std::function<void()> show) { showBreathing_ = std::move(show); }
    void setConfigurationDidImport(std::function<void()> done) {
        configurationDidImport_ = std::move(done);
    }

    // Settings and configuration.
    // Errors are published in `configurationMessage`, never thrown.
    void updateConfiguration(const std::function<void(UserConfiguration&)>& edit);
    void saveSettings();
    // Both throw: a ConfigurationError while the pet is busy, else the store's error.
    void importConfiguration(const ConfigurationPackage& package);
    void restoreConfigurationBeforeImport();
    void toggleAccessories();
    // After a content release went live; waits for an idle pet.
    void refreshContentAssets();
    void presentBreathing();

    // The speech bubble. `duration` in seconds, 0 for a bubble that stays.
    void say(const QString& message, const QString& detail = {},
             const std::optional<QString>& action = std::nullopt,
             const std::optional<QString>& secondary = std::nullopt, double duration = 0,
             std::function<void()> perform = {}, std::function<void()> secondaryAction = {});
    void dismissBubble();
    // The bubble's buttons; a button that is not shown does nothing.
    void pressBubbleAction();
    void pressBubbleSecondary();

    // Clips. Without `seconds` the clip runs its own length.
    void play(const QString& clip, std::optional<double> seconds = std::nullopt);
    void stopAnimation();
    void previewAction(const QString& clip);
    void petClicked();

    // Reminders and breathing.
    void remind(ReminderKind kind);
    // Called on every frame of the pet: hands over a parked bubble or a waiting reminder once
    // the stage is free. Free of allocation while the stage is taken.
    void deliverWaitingReminder() {
        if (functionPanel_ || breathingQuiet() || !bubble_.isEmpty() || activeReminder_) {
            return;
        }
        deliverToFreeStage();
    }
    void startBreathing();
    void resetBreathing();

    // The function panel beside the pet.
    void toggleShortcuts();
    void closeFunctionPanel();

signals:
    void configurationMessageChanged();
    void functionPanelChanged();
    void shortcutOpenErrorChanged();
    void accessoriesCollapsedChanged();
    void breathingPresentedChanged();
    void pageChanged();
    void petScaleChanged();
    void reduceMotionChanged();
    void soundEnabledChanged();
    // Any of the bubble's texts or buttons.
    void bubbleChanged();
    // The clip or its start.
    void animationChanged();
    void assetPackChanged();
    void assetPackLoadErrorChanged();
    void assetsWillChange();
    void assetRevisionChanged();
    void changed();

private:
    // True while a clip plays or breathing holds the pet; an import or restore waits.
    bool busy() const;
    void applyStoredConfiguration();
    void applyPreferences(const CompanionPreferences& preferences);
    void choosePack(const CompanionPreferences& preferences);
    void deliverToFreeStage();
    void setConfigurationMessage(std::optional<QString> message);
    void setFunctionPanel(std::optional<FunctionPanel> panel);
    void setShortcutOpenError(std::optional<QString> error);
    void setAccessoriesCollapsed(bool collapsed);
    void setAnimation(const QString& clip);
    void setAssetPackLoadError(std::optional<QString> error);
    void renewAssetRevision();
    void snoozeActiveReminder();
    void stopClipSound();
    QString reactionClip(const QString& trigger, const QString& fallback) const;

    AppWorld world_;
    ReminderService reminders_;
    BreathingService breathing_;
    ClipboardService clipboard_;
    TrashService trash_;

    std::optional<QString> configurationMessage_;
    std::optional<FunctionPanel> functionPanel_;
    std::optional<QString> shortcutOpenError_;
    bool accessoriesCollapsed_ = false;
    bool breathingPresented_ = false;
    std::function<void()> showBreathing_;
    std::function<void()> configurationDidImport_;
    std::vector<ReminderKind> waitingReminders_;
    QUuid functionGeneration_ = QUuid::createUuid();
    std::function<void()> deferredMessage_;
    PanelPage page_ = PanelPage::home;
    double petScale_ = 1.0;
    bool reduceMotion_ = false;
    QString bubble_ = QStringLiteral("你好呀，我是糯墩。");
    QString bubbleDetail_ = QStringLiteral("拖动我找个舒服的位置");
    std::optional<QString> bubbleActionTitle_;
    std::optional<QString> bubbleSecondaryTitle_;
    QString animation_ = QStringLiteral("idle");
    QDateTime animationStart_;
    PetAssetPack assetPack_ = PetAssetPack::h3;
    std::optional<QString> assetPackLoadError_;
    std::shared_ptr<const PetAssets> assets_;
    QUuid assetRevision_ = QUuid::createUuid();
    bool soundEnabled_ = false;
    std::function<void()> bubbleAction_;
    std::function<void()> bubbleSecondary_;
    std::unique_ptr<OneShot> messageTimer_;
    std::unique_ptr<OneShot> animationTimer_;
    std::unique_ptr<ClipSound> actionAudioPlayer_;
    QUuid animationToken_ = QUuid::createUuid();
    QUuid messageToken_ = QUuid::createUuid();
    std::optional<ReminderKind> activeReminder_;

    ConfigurationStore configuration_;
    RoomEnvironment room_;
    ShortcutService shortcuts_;
    PetAssetLibrary assetLibrary_;
    AssetLoader assetLoader_;
    UpdateStatus updates_;
};

}  // namespace tundle
