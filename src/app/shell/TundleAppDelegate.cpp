#include "shell/TundleAppDelegate.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>

#include "drawing/ResourceFolder.h"
#include "platform/QtLocationSource.h"
#include "shell/InstallationGuide.h"

namespace tundle {

TundleAppDelegate::TundleAppDelegate(std::unique_ptr<Defaults> preferences, bool checkInstallation,
                                     QaSwitches qa, QObject* parent)
    : QObject(parent),
      checkInstallation_(checkInstallation),
      qa_(qa),
      preferences_(std::move(preferences)),
      pointer_(X11Connection::ofApplication()),
      inputShape_(X11Connection::ofApplication(),
                  [this] { return petPanel_ ? static_cast<uint32_t>(petPanel_->winId()) : 0u; }) {}

TundleAppDelegate::~TundleAppDelegate() = default;

void TundleAppDelegate::applicationDidFinishLaunching() {
    if (runtimeStarted_) {
        return;
    }
    runtimeStarted_ = true;
    startRuntime();
}

void TundleAppDelegate::startRuntime() {
    const std::optional<QString> resources =
        ResourceFolder::locate(QCoreApplication::applicationDirPath());
    sounds_ = std::make_unique<QtSoundOutput>(resources);
    model_ = std::make_unique<AppModel>(AppWorld{
        .preferences = *preferences_,
        .pasteboard = pasteboard_,
        .fileManager = fileManager_,
        .scheduler = scheduler_,
        .sounds = *sounds_,
        .qa = qa_,
        .resourceFolder = resources,
        .locationSource = [] { return std::make_unique<QtLocationSource>(); },
    });
    const QString executable = QCoreApplication::applicationFilePath();
    updates_ = std::make_unique<UpdateCoordinator>(
        *model_, true,
        UpdateCoordinator::Environment{
            .scheduler = scheduler_,
            .session = &session_,
            .installLocation = InstallationGuide::installLocation(executable),
            .needsInstallation =
                [executable] { return InstallationGuide::needsInstallation(executable); },
            .showInstallationGuide = [] { InstallationGuide::show(); },
        });
    // Coming back to the application is as good a moment to look for updates as waking.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, updates_.get(),
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive) {
                    updates_->woke();
                }
            });
    makeMenus();
    makePet();
    tracker_ = std::make_unique<ClickThroughTracker>(petPanel_->canvas(), inputShape_, this);
    tracker_->start();

    monitors_ = std::make_unique<EventMonitors>(
        globalMouse_, pointer_,
        EventMonitors::Hooks{
            .petPanel = [this] { return petPanel_->windowHandle(); },
            .petPanelTakesClickAt =
                [this](QPoint global) { return tracker_->takesClickAt(global); },
            .dismiss =
                [this] {
                    model_->closeFunctionPanel();
                    model_->deliverWaitingReminder();
                },
        });
    monitors_->install();

    model_->setShowPanel([this](PanelPage page) { openPanel(page); });
    model_->setChangePetVisibility([this](bool visible) {
        if (visible) {
            showPet();
        } else {
            petPanel_->hide();
        }
    });
    model_->setChangePetScale([this](double scale) { resizePet(scale); });
    model_->setChangeFarmLayout([this] { resizePet(model_->petScale()); });
    model_->setConfigurationDidImport([this] { placement_->applyImportedConfiguration(); });
    model_->setShowBreathing([this] { breathingWindow().show(); });
    connect(&screens_, &QtScreens::changed, this, &TundleAppDelegate::screenChanged);

    if (qa_.breathing) {
        model_->presentBreathing();
    } else {
        openPanel(PanelPage::home);
    }
    if (checkInstallation_ &&
        InstallationGuide::needsInstallation(QCoreApplication::applicationFilePath())) {
        QTimer::singleShot(0, this, [] { InstallationGuide::show(); });
    }
}

void TundleAppDelegate::makeMenus() {
    tray_.show([this] {
        return StatusMenu::entries(model_->petVisible(), model_->farm().visible(),
                                   [this](StatusMenuAction action) { perform(action); });
    });
}

void TundleAppDelegate::perform(StatusMenuAction action) {
    switch (action) {
        case StatusMenuAction::openHome:
            openPanel(PanelPage::home);
            break;
        case StatusMenuAction::openRoomSettings:
            openPanel(PanelPage::home);
            model_->setRoomSettingsPresented(true);
            break;
        case StatusMenuAction::openClipboard:
            openPanel(PanelPage::clipboard);
            break;
        case StatusMenuAction::togglePet:
            model_->togglePetVisible();
            break;
        case StatusMenuAction::toggleFarm:
            model_->setFarmVisible(!model_->farm().visible());
            break;
        case StatusMenuAction::resetPosition:
            placement_->resetPosition();
            model_->setPetVisible(true);
            showPet();
            break;
        case StatusMenuAction::checkSoftwareUpdate:
            checkOrExplain(model_->updates().checkAppUpdate());
            break;
        case StatusMenuAction::checkContentUpdate:
            checkOrExplain(model_->updates().checkContentUpdate());
            break;
        case StatusMenuAction::quit:
            QCoreApplication::quit();
            break;
    }
}

void TundleAppDelegate::checkOrExplain(std::function<void()> check) {
    // Without usable update settings the settings page is where updates are explained.
    if (check) {
        check();
    } else {
        openPanel(PanelPage::settings);
    }
}

void TundleAppDelegate::openPanel(PanelPage page) {
    if (!runtimeStarted_) {
        return;
    }
    if (page == PanelPage::breathing) {
        model_->presentBreathing();
        return;
    }
    model_->closeFunctionPanel();
    model_->deliverWaitingReminder();
    model_->setPage(page);
    if (!controlWindow_) {
        controlWindow_ = std::make_unique<ControlCenterWindow>(
            *model_, ControlCenter::Services{.session = session_,
                                             .chooser = chooser_,
                                             .pictures = pictures_,
                                             .calendar = Calendar(QTimeZone::systemTimeZone())});
    }
    controlWindow_->present();
}

void TundleAppDelegate::screenChanged() {
    placement_->screensChanged();
    // Re-fitted and re-centred for the screens as they are now.
    if (model_->breathingPresented()) {
        breathingWindow().show();
    }
}

BreathingWindowController& TundleAppDelegate::breathingWindow() {
    if (!breathingWindow_) {
        breathingWindow_ = std::make_unique<BreathingWindowController>(*model_, session_);
    }
    return *breathingWindow_;
}

PetPanelLayout TundleAppDelegate::layout() const {
    return PetPanelLayout{model_->petScale(), model_->farm().visible(), model_->farm().scale()};
}

void TundleAppDelegate::makePet() {
    petPanel_ =
        std::make_unique<PetPanel>(*model_, model_->farm(), PetClocks{.pictures = &pictures_});
    petPanel_->setWindowTitle(QStringLiteral("糯墩桌宠"));
    placement_ = std::make_unique<PetPanelPlacement>(
        *petPanel_, screens_,
        PetPanelPlacement::Hooks{
            .layout = [this] { return layout(); },
            .device = [this] { return model_->configuration().value().device; },
            .updateConfiguration =
                [this](const std::function<void(UserConfiguration&)>& edit) {
                    model_->updateConfiguration(edit);
                },
        });
    petPanel_->canvas().onMoved = [this] {
        placement_->clamp();
        placement_->savePosition();
    };
    placement_->place();
    showPet();
}

void TundleAppDelegate::showPet() {
    petPanel_->show();
    petPanel_->raise();
}

void TundleAppDelegate::resizePet(double scale) {
    placement_->resize(scale);
}

void TundleAppDelegate::applicationWillTerminate() {
    if (!runtimeStarted_) {
        return;
    }
    model_->saveSettings();
    model_->clipboard().clear();
    tracker_->stop();
    monitors_->remove();
}

}  // namespace tundle
