#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>
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
#include "model/FarmFeedback.h"
#include "model/FarmStore.h"
#include "model/PanelPage.h"
#include "model/Scheduler.h"
#include "model/SoundOutput.h"
#include "model/SpeechBubble.h"
#include "model/UpdateStatus.h"
#include "pets/PetAssetLibrary.h"
#include "pets/PetAssetPack.h"
#include "pets/PetAssets.h"
#include "room/RoomEnvironment.h"

namespace tundle {

struct ConfigurationPackage;

// The hub of the application: it owns every service, holds the state that crosses features
// (the speech bubble, the pet's clip, the function panel, reminder delivery, feeding, the farm
// walk) and reaches the windows only through the callbacks the shell installs. Main thread only.
class AppModel : public QObject {
    Q_OBJECT

public:
    enum class FunctionPanel { shortcuts };
    // Never answers null; a pack that cannot be used reports `loaded()` false.
    using AssetLoader = std::function<std::shared_ptr<const PetAssets>(PetAssetPack)>;

    static constexpr int snoozeMinutes = 5;
    static constexpr int feedingLimit = 32;
    // Seconds of a walk between plots, and of the short pause before working where the pet
    // already stands.
    static constexpr double farmWalkSeconds = 0.62;
    static constexpr double farmStepSeconds = 0.08;
    // The room's clock steps once a minute while the farm shows it.
    static constexpr double roomStepSeconds = 60;

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
    // Where the built-in art is, when the application found it.
    const std::optional<QString>& resourceFolder() const { return world_.resourceFolder; }
    const QaSwitches& qa() const { return world_.qa; }
    ShortcutService& shortcuts() { return shortcuts_; }
    FarmStore& farm() { return farm_; }
    // The update coordinator hands the downloaded packs to it.
    PetAssetLibrary& assetLibrary() { return assetLibrary_; }
    // Written by the update coordinator, shown by the menu and the settings page.
    UpdateStatus& updates() { return updates_; }

    const std::optional<QString>& configurationMessage() const { return configurationMessage_; }
    // The result or failure line of the last configuration operation (an export writes its
    // own).
    void setConfigurationMessage(std::optional<QString> message);
    // The model's wall clock and uptime clock, so views show the instants the model works with.
    const std::function<QDateTime()>& clock() const { return world_.clock; }
    const BreathingService::Clock& uptime() const { return world_.uptime; }
    std::optional<FunctionPanel> functionPanel() const { return functionPanel_; }
    const std::optional<QString>& shortcutOpenError() const { return shortcutOpenError_; }
    const std::optional<QUuid>& openingShortcut() const { return openingShortcut_; }
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

    std::optional<int> farmPetPlot() const { return farmPetPlot_; }
    std::optional<int> farmMoveFromPlot() const { return farmMoveFromPlot_; }
    std::optional<int> farmMoveToPlot() const { return farmMoveToPlot_; }
    const QDateTime& farmMoveStart() const { return farmMoveStart_; }
    const std::optional<FarmFeedback>& farmFeedback() const { return farmFeedback_; }

    int filesEaten() const { return filesEaten_; }
    const QString& lastTrashSummary() const { return lastTrashSummary_; }
    bool canUndoTrash() const { return canUndoTrash_; }

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
    // Set once by the shell: open the control centre at a page; resize the pet panel after the
    // farm was shown or hidden.
    void setShowPanel(std::function<void(PanelPage)> show) { showPanel_ = std::move(show); }
    void setChangePetVisibility(std::function<void(bool)> change) {
        changePetVisibility_ = std::move(change);
    }
    void setChangePetScale(std::function<void(double)> change) {
        changePetScale_ = std::move(change);
    }

    // The pet panel is shown.
    bool petVisible() const { return petVisible_; }
    // True while a clip plays, breathing holds the pet or a feeding receipt is still to come:
    // an import, a restore or a new content release waits.
    bool busy() const;
    void setPetVisible(bool visible);
    // Flips `petVisible` and lets the shell show or hide the panel.
    void togglePetVisible();
    // Shows the pet: `petVisible` becomes true and the shell is asked to show the panel even
    // when the model already thought it visible.
    void showPet();
    // A new pet size chosen in the settings: published, then the shell resizes the panel.
    void changePetScale(double scale);
    // The control centre shows its room-settings sheet.
    bool roomSettingsPresented() const { return roomSettingsPresented_; }
    void setRoomSettingsPresented(bool presented);
    void setChangeFarmLayout(std::function<void()> change) {
        changeFarmLayout_ = std::move(change);
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
    // Shows or hides the farm; only a change saves it and lays the pet panel out again.
    void setFarmVisible(bool visible);
    // Lays the pet panel out again after a farm setting changed; changes nothing else.
    void changeFarmLayout();

    // Puts up the speech bubble; with the function panel open, only a bubble that asks
    // something waits for it to close.
    void say(SpeechBubble bubble);
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
    // One shortcut at a time; a failure shows in `shortcutOpenError` with the panel left open.
    void openShortcut(const ShortcutItem& item);
    // Opens a shortcut for the settings pages; `done` gets nil or the failure's message. The
    // pet's function panel is left alone.
    void openShortcutFromSettings(const ShortcutItem& item,
                                  std::function<void(const std::optional<QString>&)> done);
    void openShortcutSettings();
    void openClipboard();
    // The control centre on its home page.
    void openHome();

    // Feeding files to the Trash. True when at least one file was moved.
    bool eatFiles(const QList<QUrl>& urls, bool demo = false);
    void undoLastTrash();
    // Feeds a harmless text file made for the purpose.
    void demonstrateTrash();
    void openTrash();

    // Farm actions: the pet walks to the plot, then works there. A hidden farm, a plot that
    // does not exist or a refused action changes nothing beyond the walk.
    void loosenFarmPlot(int plot);
    void sowFarmCrop(FarmCrop crop, int plot);
    void waterFarmPlot(int plot);
    void harvestFarmPlot(int plot);

signals:
    void configurationMessageChanged();
    void functionPanelChanged();
    void shortcutOpenErrorChanged();
    void accessoriesCollapsedChanged();
    void breathingPresentedChanged();
    // `breathingQuiet()` turned.
    void breathingQuietChanged();
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
    void openingShortcutChanged();
    // The pet's plot or the walk under way.
    void farmWalkChanged();
    void farmFeedbackChanged();
    void filesEatenChanged();
    void lastTrashSummaryChanged();
    void canUndoTrashChanged();
    void petVisibleChanged();
    void roomSettingsPresentedChanged();
    void changed();

private:
    // A feeding whose receipt bubble waits for the eating clip to end; `token` is the eating
    // bubble's message token.
    struct EatingFeedback {
        QUuid token;
        QString summary;
        std::vector<QUuid> batch;
    };

    void applyStoredConfiguration();
    void applyPreferences(const CompanionPreferences& preferences);
    void choosePack(const CompanionPreferences& preferences);
    void deliverToFreeStage();
    // Hands a waiting reminder or parked bubble over as soon as the stage may be free.
    void scheduleHandOver();
    // The room follows the farm: on screen while the farm shows, stepped every minute.
    void followFarmVisibility();
    void stepRoomClock();
    void followBreathingQuiet();
    void setFunctionPanel(std::optional<FunctionPanel> panel);
    void setShortcutOpenError(std::optional<QString> error);
    void setAccessoriesCollapsed(bool collapsed);
    void setAnimation(const QString& clip);
    void setAssetPackLoadError(std::optional<QString> error);
    void renewAssetRevision();
    void snoozeActiveReminder();
    void stopClipSound();
    QString reactionClip(const QString& trigger, const QString& fallback) const;
    void showPanelPage(PanelPage page);
    void setOpeningShortcut(std::optional<QUuid> id);
    void showTrashReceipt(const QString& summary, const std::vector<QUuid>& batch, bool withPoof);
    // A bubble about a feeding, with its undo and open-Trash buttons.
    SpeechBubble feedingBubble(QString message, QString detail, double duration,
                               std::vector<QUuid> batch);
    void undoTrash(const std::vector<QUuid>& batch);
    void pruneTrashBatches();
    void setLastTrashSummary(const QString& summary);
    void setCanUndoTrash(bool canUndo);
    void moveToFarmPlot(int plot, std::function<void()> action);
    void setFarmWalk(std::optional<int> at, std::optional<int> from, std::optional<int> to);
    void showFarmFeedback(int plot, const QString& title, const QString& detail, bool doubled,
                          double duration);
    QString celebrationClip() const;

    AppWorld world_;
    ReminderService reminders_;
    BreathingService breathing_;
    ClipboardService clipboard_;
    TrashService trash_;

    std::optional<QString> configurationMessage_;
    std::optional<FunctionPanel> functionPanel_;
    std::optional<QString> shortcutOpenError_;
    std::optional<QUuid> openingShortcut_;
    bool accessoriesCollapsed_ = false;
    bool breathingPresented_ = false;
    bool breathingQuiet_ = false;
    std::function<void()> showBreathing_;
    std::function<void()> configurationDidImport_;
    std::function<void(PanelPage)> showPanel_;
    std::function<void()> changeFarmLayout_;
    std::function<void(bool)> changePetVisibility_;
    std::function<void(double)> changePetScale_;
    bool petVisible_ = true;
    bool roomSettingsPresented_ = false;
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
    std::optional<int> farmPetPlot_;
    std::optional<int> farmMoveFromPlot_;
    std::optional<int> farmMoveToPlot_;
    QDateTime farmMoveStart_;
    std::optional<FarmFeedback> farmFeedback_;
    std::shared_ptr<const PetAssets> assets_;
    QUuid assetRevision_ = QUuid::createUuid();
    int filesEaten_ = 0;
    QString lastTrashSummary_ = QStringLiteral("把文件拖到桌面上的糯墩，喂它吃一口。");
    bool canUndoTrash_ = false;
    bool soundEnabled_ = false;
    std::function<void()> bubbleAction_;
    std::function<void()> bubbleSecondary_;
    std::unique_ptr<OneShot> messageTimer_;
    std::unique_ptr<OneShot> animationTimer_;
    // Lets the clips that stopped showing a while ago go of their frames.
    std::unique_ptr<OneShot> clipFramesRelease_;
    std::unique_ptr<OneShot> farmMoveTask_;
    std::unique_ptr<OneShot> farmFeedbackTask_;
    std::unique_ptr<OneShot> farmCelebrationTask_;
    std::unique_ptr<ClipSound> actionAudioPlayer_;
    // Receipt ids of each feeding that may still be undone, oldest first.
    std::vector<std::vector<QUuid>> trashBatches_;
    std::unique_ptr<OneShot> eatingTimer_;
    std::unique_ptr<OneShot> handOverTask_;
    std::unique_ptr<OneShot> roomClock_;
    std::optional<EatingFeedback> eatingFeedback_;
    QUuid animationToken_ = QUuid::createUuid();
    QUuid eatingToken_ = QUuid::createUuid();
    QUuid messageToken_ = QUuid::createUuid();
    std::optional<ReminderKind> activeReminder_;

    ConfigurationStore configuration_;
    FarmStore farm_;
    RoomEnvironment room_;
    ShortcutService shortcuts_;
    PetAssetLibrary assetLibrary_;
    AssetLoader assetLoader_;
    UpdateStatus updates_;
};

}  // namespace tundle
