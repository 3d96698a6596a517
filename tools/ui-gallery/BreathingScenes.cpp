#include <QLinearGradient>
#include <QPainter>

#include "GalleryScene.h"
#include "controlcentre/BreathingPanel.h"
#include "controlcentre/BreathingWindowController.h"

namespace tundle::gallery {

namespace {

enum class Moment { idle, inhaling, exhaling, paused, completed };

struct BreathingScene {
    QString name;
    Moment moment;
};

// The panel as it opens on a screen of `screen` points (a 28-point top bar taken off), in the
// exercise's state at `moment`.
QImage drawPanel(QSize screen, Moment moment, bool withPet) {
    GalleryWorld gallery(!withPet);
    AppModel& model = *gallery.model;
    const QRect frame(QPoint(0, 0), screen);
    const QRect visible = frame.adjusted(0, 28, 0, 0);
    BreathingWindowController controller(
        model, gallery.session,
        BreathingWindowController::Desk{
            .pointer = [] { return QPoint(400, 300); },
            .screens =
                [frame, visible] {
                    return std::vector<BreathingWindowController::ScreenArea>{{frame, visible}};
                },
            .primary = [visible] { return std::optional<QRect>(visible); },
        });
    model.setShowBreathing([&controller] { controller.show(); });
    model.presentBreathing();

    BreathingService& breathing = model.breathing();
    switch (moment) {
        case Moment::idle:
            break;
        case Moment::inhaling:
            model.startBreathing();
            gallery.world.scheduler.advance(2.4);
            break;
        case Moment::exhaling:
            model.startBreathing();
            gallery.world.scheduler.advance(13.5);
            break;
        case Moment::paused:
            model.startBreathing();
            gallery.world.scheduler.advance(19);
            breathing.pause();
            break;
        case Moment::completed:
            model.startBreathing();
            gallery.world.scheduler.advance(181);
            breathing.tick();
            break;
    }
    // The service counts down on its own one-second tick, which the gallery's clock drives.
    breathing.tick();

    QImage image(screen, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    QLinearGradient desktop(0, 0, screen.width(), screen.height());
    desktop.setColorAt(0, QColor(120, 148, 170));
    desktop.setColorAt(1, QColor(214, 190, 160));
    painter.fillRect(image.rect(), desktop);
    painter.fillRect(QRect(0, 0, screen.width(), 28), QColor(30, 30, 34, 220));
    BreathingPanel& panel = *controller.panel();
    panel.render(&painter, panel.pos(), QRegion(), QWidget::DrawChildren);
    return image;
}

}  // namespace

void addBreathingScenes(GalleryScenes& scenes) {
    const std::vector<BreathingScene> moments = {
        {QStringLiteral("idle"), Moment::idle},
        {QStringLiteral("running-inhale"), Moment::inhaling},
        {QStringLiteral("running-exhale"), Moment::exhaling},
        {QStringLiteral("paused"), Moment::paused},
        {QStringLiteral("completed"), Moment::completed},
    };
    for (const QSize screen : {QSize(1440, 900), QSize(1280, 720)}) {
        for (const bool pet : {true, false}) {
            for (const BreathingScene& scene : moments) {
                scenes.push_back({QStringLiteral("breathing-%1-%2x%3%4")
                                      .arg(scene.name)
                                      .arg(screen.width())
                                      .arg(screen.height())
                                      .arg(pet ? QString() : QStringLiteral("-no-pet")),
                                  [screen, pet, moment = scene.moment] {
                                      return drawPanel(screen, moment, pet);
                                  }});
            }
        }
    }
}

}  // namespace tundle::gallery
