#include "model/AppModel.h"

#include <QPointer>
#include <algorithm>

namespace tundle {

namespace {

RoomEnvironment::Options roomOptions(const AppWorld& world, bool networkEnabled) {
    RoomEnvironment::Options options;
    options.networkEnabled = networkEnabled;
    options.resourceFolder = world.resourceFolder;
    options.clock = world.clock;
    options.locationSource = world.locationSource;
    return options;
}

}  // namespace

AppModel::AppModel(AppWorld world, std::shared_ptr<const PetAssets> assets, AssetLoader assetLoader,
                   QObject* parent)
    : QObject(parent),
      world_(std::move(world)),
      reminders_(world_.clock, world_.automaticallyTicks),
      breathing_(world_.uptime, world_.automaticallyTicks),
      clipboard_(world_.pasteboard, world_.automaticallyTicks, world_.clock),
      trash_(world_.fileManager),
      animationStart_(world_.clock()),
      farmMoveStart_(world_.clock()),
      messageTimer_(world_.scheduler.makeOneShot()),
      animationTimer_(world_.scheduler.makeOneShot()),
      clipFramesRelease_(world_.scheduler.makeOneShot()),
      farmMoveTask_(world_.scheduler.makeOneShot()),
      farmFeedbackTask_(world_.scheduler.makeOneShot()),
      farmCelebrationTask_(world_.scheduler.makeOneShot()),
      eatingTimer_(world_.scheduler.makeOneShot()),
      handOverTask_(world_.scheduler.makeOneShot()),
      roomClock_(world_.scheduler.makeOneShot()),
      configuration_(world_.preferences),
      farm_(world_.preferences),
      room_(configuration_, roomOptions(world_, roomNetworking(world_))),
      shortcuts_(world_.preferences, std::nullopt, &configuration_),
      assetLibrary_(world_.resourceFolder),
      assetLoader_(std::move(assetLoader)) {
    configurationMessage_ = configuration_.error();
    accessoriesCollapsed_ = configuration_.value().device.accessoriesCollapsed;
    const CompanionPreferences preferences = configuration_.value().preferences;
    if (!assetLoader_) {
        assetLoader_ = [this, assets = std::move(assets)](PetAssetPack pack) {
            return assets ? assets : assetLibrary_.forPack(pack);
        };
    }
    choosePack(preferences);
    applyPreferences(preferences);

    connect(&breathing_, &BreathingService::stateChanged, this, &AppModel::followBreathingQuiet);
    const QPointer<AppModel> model(this);
    reminders_.setOnReminder([model](ReminderKind kind) {
        if (model) {
            model->remind(kind);
        }
    });
    breathing_.setOnComplete([model] {
        if (!model) {
            return;
        }
        model->stopAnimation();
        if (!model->breathingPresented_) {
            model->reminders_.setPaused(false);
        }
    });
    say({.message = QStringLiteral("你好呀，我是糯墩。"),
         .detail = QStringLiteral("点我互动 · 右键打开菜单"),
         .duration = 10});

    // Whatever frees the stage comes with a change of the model or of the breathing exercise.
    connect(this, &AppModel::changed, this, &AppModel::scheduleHandOver);
    connect(&breathing_, &BreathingService::stateChanged, this, &AppModel::scheduleHandOver);
    connect(&farm_, &FarmStore::visibleChanged, this, &AppModel::followFarmVisibility);
    followFarmVisibility();
}

AppModel::~AppModel() = default;

bool AppModel::roomNetworking(const AppWorld& world) {
    return world.preferences.isStandard() && !world.qa.qaMode;
}

void AppModel::choosePack(const CompanionPreferences& preferences) {
    const PetAssetPack requested = preferences.petAssetPack == QStringLiteral("OriginalVideo")
                                       ? PetAssetPack::originalVideo
                                       : PetAssetPack::h3;
    std::shared_ptr<const PetAssets> loaded = assetLoader_(requested);
    if (loaded->loaded()) {
        assetPack_ = requested;
        assets_ = std::move(loaded);
        return;
    }
    assetPack_ = PetAssetPack::h3;
    assets_ = requested == PetAssetPack::h3 ? std::move(loaded) : assetLoader_(PetAssetPack::h3);
}

void AppModel::applyPreferences(const CompanionPreferences& preferences) {
    reminders_.setMinutes(preferences.waterMinutes, ReminderKind::water);
    reminders_.setMinutes(preferences.movementMinutes, ReminderKind::movement);
    reminders_.setEnabled(preferences.waterEnabled, ReminderKind::water);
    reminders_.setEnabled(preferences.movementEnabled, ReminderKind::movement);
    breathing_.setDuration(preferences.breathingMinutes);
    setPetScale(preferences.petScale);
    setReduceMotion(preferences.reduceMotion);
    setSoundEnabled(preferences.soundEnabled);
}

bool AppModel::busy() const {
    return animation_ != QStringLiteral("idle") || breathingQuiet() || eatingFeedback_;
}

void AppModel::setPage(PanelPage page) {
    if (page_ != page) {
        page_ = page;
        emit pageChanged();
        emit changed();
    }
}

void AppModel::setPetScale(double scale) {
    if (petScale_ != scale) {
        petScale_ = scale;
        emit petScaleChanged();
        emit changed();
    }
}

void AppModel::setReduceMotion(bool on) {
    if (reduceMotion_ != on) {
        reduceMotion_ = on;
        emit reduceMotionChanged();
        emit changed();
    }
}

void AppModel::setSoundEnabled(bool on) {
    if (soundEnabled_ != on) {
        soundEnabled_ = on;
        emit soundEnabledChanged();
        emit changed();
    }
}

void AppModel::setBreathingPresented(bool presented) {
    if (breathingPresented_ != presented) {
        breathingPresented_ = presented;
        emit breathingPresentedChanged();
        emit changed();
        followBreathingQuiet();
    }
}

void AppModel::followBreathingQuiet() {
    if (breathingQuiet_ != breathingQuiet()) {
        breathingQuiet_ = breathingQuiet();
        emit breathingQuietChanged();
    }
}

void AppModel::setConfigurationMessage(std::optional<QString> message) {
    if (configurationMessage_ != message) {
        configurationMessage_ = std::move(message);
        emit configurationMessageChanged();
        emit changed();
    }
}

void AppModel::setFunctionPanel(std::optional<FunctionPanel> panel) {
    if (functionPanel_ != panel) {
        functionPanel_ = panel;
        emit functionPanelChanged();
        emit changed();
    }
}

void AppModel::setShortcutOpenError(std::optional<QString> error) {
    if (shortcutOpenError_ != error) {
        shortcutOpenError_ = std::move(error);
        emit shortcutOpenErrorChanged();
        emit changed();
    }
}

void AppModel::setAccessoriesCollapsed(bool collapsed) {
    if (accessoriesCollapsed_ != collapsed) {
        accessoriesCollapsed_ = collapsed;
        emit accessoriesCollapsedChanged();
        emit changed();
    }
}

void AppModel::setAssetPackLoadError(std::optional<QString> error) {
    if (assetPackLoadError_ != error) {
        assetPackLoadError_ = std::move(error);
        emit assetPackLoadErrorChanged();
        emit changed();
    }
}

void AppModel::renewAssetRevision() {
    assetRevision_ = QUuid::createUuid();
    emit assetRevisionChanged();
    emit changed();
}

void AppModel::closeFunctionPanel() {
    setFunctionPanel(std::nullopt);
    setShortcutOpenError(std::nullopt);
    functionGeneration_ = QUuid::createUuid();
}

void AppModel::toggleShortcuts() {
    if (functionPanel_) {
        closeFunctionPanel();
        deliverWaitingReminder();
        return;
    }
    // The reminder on show goes back to the front of the queue unanswered, so closing the panel
    // shows it again instead of snoozing it away.
    if (activeReminder_ && std::find(waitingReminders_.begin(), waitingReminders_.end(),
                                     *activeReminder_) == waitingReminders_.end()) {
        waitingReminders_.insert(waitingReminders_.begin(), *activeReminder_);
    }
    activeReminder_ = std::nullopt;
    dismissBubble();
    setShortcutOpenError(std::nullopt);
    functionGeneration_ = QUuid::createUuid();
    setFunctionPanel(FunctionPanel::shortcuts);
}

}  // namespace tundle
