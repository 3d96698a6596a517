#include <QCoreApplication>

#include "GalleryScene.h"
#include "controlcentre/ControlCenter.h"
#include "shell/ControlCenterWindow.h"
#include "support/ScriptedFileChooser.h"
#include "toolkit/Colors.h"

namespace tundle::gallery {

namespace {

// The whole window at its first size on `page`, as the application opens it; `prepare` sets the
// model up first.
QImage drawWindow(PanelPage page, const std::function<void(AppModel&)>& prepare = {}) {
    GalleryWorld gallery;
    test::ScriptedFileChooser chooser;
    AppModel& model = *gallery.model;
    if (prepare) {
        prepare(model);
    }
    model.setPage(page);
    ControlCenterWindow window(model, {.session = gallery.session,
                                       .chooser = chooser,
                                       .pictures = gallery.pictures,
                                       .calendar = Calendar(QTimeZone::utc())});
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.present();
    QCoreApplication::sendPostedEvents();
    return renderWidget(window, Colors::canvas());
}

}  // namespace

void addControlCentreScenes(GalleryScenes& scenes) {
    scenes.push_back(
        {QStringLiteral("control-centre-home"), [] { return drawWindow(PanelPage::home); }});
    scenes.push_back({QStringLiteral("control-centre-home-reminder"), [] {
                          return drawWindow(PanelPage::home, [](AppModel& model) {
                              model.remind(ReminderKind::water);
                          });
                      }});
    scenes.push_back({QStringLiteral("control-centre-home-breathing"), [] {
                          return drawWindow(PanelPage::home,
                                            [](AppModel& model) { model.presentBreathing(); });
                      }});
    scenes.push_back({QStringLiteral("control-centre-home-pet-hidden"), [] {
                          return drawWindow(PanelPage::home,
                                            [](AppModel& model) { model.setPetVisible(false); });
                      }});
    scenes.push_back({QStringLiteral("control-centre-shortcuts"),
                      [] { return drawWindow(PanelPage::shortcuts); }});
    scenes.push_back({QStringLiteral("control-centre-clipboard"),
                      [] { return drawWindow(PanelPage::clipboard); }});
    scenes.push_back({QStringLiteral("control-centre-settings"),
                      [] { return drawWindow(PanelPage::settings); }});
}

}  // namespace tundle::gallery
