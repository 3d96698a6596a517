#include <QApplication>
#include <QProcessEnvironment>
#include <QTimer>

#include "platform/FreedMemory.h"
#include "platform/SingleInstance.h"
#include "platform/TerminationSignals.h"
#include "platform/WindowSystemChoice.h"
#include "shell/TundleAppDelegate.h"
#include "support/BundleInfo.h"
#include "support/SettingsDefaults.h"
#include "toolkit/QtTranslations.h"
#include "toolkit/ToolkitStyle.h"

int main(int argc, char** argv) {
    tundle::returnLargeBlocksWhenFreed();
    // Qt's other media backend crashes when the machine has no audio device.
    qputenv("QT_MEDIA_BACKEND", "gstreamer");
    // The window contents keep going to the X server through shared memory, although each flush
    // then waits for a round trip (QT_XCB_NO_MITSHM would send them over the socket instead).
    // Measured with the sprite windows of bench/idle-cost.sh: for the pet's 92 px frame the
    // socket saves this process about as much as it costs the X server to read the pixels, and
    // for the 254 px frame shown with the farm folded away it costs both more than it saves.
    tundle::WindowSystemChoice::apply();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pet-tundle"));
    QApplication::setDesktopFileName(QStringLiteral("pet-tundle"));
    QApplication::setQuitOnLastWindowClosed(false);
    // Every window, Qt's own dialogs included, speaks Chinese and wears the toolkit's look.
    tundle::QtTranslations::install(application);
    tundle::ToolkitStyle::install();

    tundle::SingleInstance instance;
    if (!instance.claim()) {
        return 0;
    }
    // The QA switches are read here, once; everything below is handed them.
    tundle::TundleAppDelegate delegate(
        tundle::SettingsDefaults::standard(), true,
        tundle::QaSwitches::fromEnvironment(QProcessEnvironment::systemEnvironment(),
                                            tundle::BundleInfo::current().bundleIdentifier));
    QObject::connect(&instance, &tundle::SingleInstance::reopenRequested, &delegate,
                     &tundle::TundleAppDelegate::reopen);
    // A logout or Ctrl+C ends the application the ordinary way, so the settings are saved.
    tundle::TerminationSignals termination([] { QCoreApplication::quit(); });
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &delegate,
                     &tundle::TundleAppDelegate::applicationWillTerminate);
    QTimer::singleShot(0, &delegate, &tundle::TundleAppDelegate::applicationDidFinishLaunching);
    return application.exec();
}
