#pragma once

#include <QObject>
#include <QWidget>
#include <memory>

#include "controlcentre/BreathingWindowController.h"
#include "model/AppModel.h"
#include "model/QaSwitches.h"
#include "model/QtScheduler.h"
#include "pet/PetPanel.h"
#include "platform/DBusSessionEvents.h"
#include "platform/QtPasteboard.h"
#include "platform/QtScreens.h"
#include "platform/SystemFileManager.h"
#include "platform/SystemStatusTray.h"
#include "platform/X11GlobalMouseMonitor.h"
#include "platform/X11InputShape.h"
#include "platform/X11PointerProbe.h"
#include "shell/ClickThroughTracker.h"
#include "shell/ControlCenterWindow.h"
#include "shell/EventMonitors.h"
#include "shell/PetPanelPlacement.h"
#include "shell/StatusMenu.h"
#include "sound/QtSoundOutput.h"
#include "support/Defaults.h"
#include "toolkit/DialogFileChooser.h"
#include "update/UpdateCoordinator.h"

namespace tundle {

// The application's run time: the model, the tray, the pet panel, the watches that make the
// panel click-through, and the control centre. Built once when the event loop starts.
class TundleAppDelegate : public QObject {
    Q_OBJECT

public:
    // `checkInstallation` off keeps the installation guide from asking (tests run from the build).
    explicit TundleAppDelegate(std::unique_ptr<Defaults> preferences, bool checkInstallation = true,
                               QaSwitches qa = {}, QObject* parent = nullptr);
    ~TundleAppDelegate() override;

    // Builds the run time the first time; later calls do nothing.
    void applicationDidFinishLaunching();
    // Saves and tidies up, only when the run time started.
    void applicationWillTerminate();
    // Another launch of the application asked this one to come forward.
    void reopen() { openPanel(PanelPage::home); }
    void openPanel(PanelPage page);
    // The screens changed: the pet is placed again, a presented breathing panel re-fitted.
    void screenChanged();

    bool runtimeStarted() const { return runtimeStarted_; }
    AppModel* model() const { return model_.get(); }
    PetPanel* petPanel() const { return petPanel_.get(); }
    ControlCenterWindow* controlWindow() const { return controlWindow_.get(); }
    // Made on first use and kept.
    BreathingWindowController& breathingWindow();
    bool hasBreathingWindow() const { return breathingWindow_ != nullptr; }
    // The tray's menu as it opens now.
    QMenu& statusMenu() { return tray_.menu(); }

private:
    void startRuntime();
    void makeMenus();
    void makePet();
    void perform(StatusMenuAction action);
    PetPanelLayout layout() const;
    void resizePet(double scale);
    void showPet();
    void checkOrExplain(std::function<void()> check);

    bool runtimeStarted_ = false;
    bool checkInstallation_;
    QaSwitches qa_;
    std::unique_ptr<Defaults> preferences_;
    QtPasteboard pasteboard_;
    SystemFileManager fileManager_;
    QtScheduler scheduler_;
    // Decoded pictures, shared by every view that draws them.
    PictureCache pictures_{&systemUptime};
    std::unique_ptr<QtSoundOutput> sounds_;
    std::unique_ptr<AppModel> model_;
    DBusSessionEvents session_;
    std::unique_ptr<UpdateCoordinator> updates_;

    QtScreens screens_;
    SystemStatusTray tray_;
    std::unique_ptr<PetPanel> petPanel_;
    std::unique_ptr<PetPanelPlacement> placement_;
    DialogFileChooser chooser_;
    std::unique_ptr<ControlCenterWindow> controlWindow_;
    std::unique_ptr<BreathingWindowController> breathingWindow_;

    X11PointerProbe pointer_;
    X11InputShape inputShape_;
    X11GlobalMouseMonitor globalMouse_;
    std::unique_ptr<EventMonitors> monitors_;
    std::unique_ptr<ClickThroughTracker> tracker_;
};

}  // namespace tundle
