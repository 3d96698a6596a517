#include <QCoreApplication>
#include <QLineEdit>
#include <QPainter>
#include <array>

#include "GalleryScene.h"
#include "editors/RoomBackdrop.h"
#include "editors/RoomLocationControls.h"
#include "editors/RoomSettingsEntry.h"
#include "editors/RoomSettingsSheet.h"
#include "toolkit/Colors.h"

namespace tundle::gallery {

namespace {

void setFixed(RoomEnvironment& room, RoomWeather weather, RoomPhase phase) {
    room.update([&](RoomPreferences& preferences) {
        preferences.mode = RoomMode::fixed;
        preferences.fixedWeather = weather;
        preferences.fixedPhase = phase;
    });
}

// The backdrop at 300 by 400 points, still unless `onScreen`, `seconds` after the world's start.
QImage drawBackdrop(RoomWeather weather, RoomPhase phase, bool onScreen, double seconds) {
    GalleryWorld gallery;
    RoomEnvironment& room = gallery.model->room();
    setFixed(room, weather, phase);
    room.setVisible(onScreen);
    RoomBackdrop backdrop(room, gallery.session, gallery.pictures, false,
                          [&gallery] { return gallery.world.scheduler.now(); });
    backdrop.resize(300, 400);
    gallery.world.scheduler.advance(seconds);
    return renderWidget(backdrop, Qt::black);
}

// The home page's room: the backdrop with the entry bar over its top.
QImage drawHomeRoom() {
    GalleryWorld gallery;
    RoomEnvironment& room = gallery.model->room();
    setFixed(room, RoomWeather::cloudy, RoomPhase::dusk);
    QWidget home;
    home.resize(600, 300);
    RoomBackdrop backdrop(
        room, gallery.session, gallery.pictures, false,
        [&gallery] { return gallery.world.scheduler.now(); }, &home);
    backdrop.setGeometry(home.rect());
    RoomSettingsEntry entry(
        room, [] {}, &home);
    entry.setGeometry(0, 0, 600, entry.sizeHint().height());
    // Shown off screen, so the bar lays itself out for its width as it does in the window.
    home.setAttribute(Qt::WA_DontShowOnScreen);
    home.show();
    QCoreApplication::sendPostedEvents();
    return renderWidget(home, Qt::black);
}

// The city block on a draft without a city, a query typed.
QImage drawLocationControls() {
    GalleryWorld gallery;
    RoomEnvironment& room = gallery.model->room();
    room.update([](RoomPreferences& preferences) { preferences.mode = RoomMode::weather; });
    const std::unique_ptr<RoomEnvironment> draft = room.makeDraft();
    QWidget column;
    column.resize(380, 300);
    RoomLocationControls controls(*draft, &column);
    controls.setGeometry(12, 12, 356, 276);
    controls.field().setText(QStringLiteral("xi"));
    column.setAttribute(Qt::WA_DontShowOnScreen);
    column.show();
    QCoreApplication::sendPostedEvents();
    return renderWidget(column, Colors::canvas());
}

// The room settings sheet opened on a room in `mode`, `city` chosen or not; `prepare` then acts
// on the open sheet.
QImage drawSettingsSheet(RoomMode mode, std::optional<WeatherLocation> city,
                         const std::function<void(RoomSettingsSheet&)>& prepare) {
    GalleryWorld gallery;
    // The gallery's model keeps its room offline; the city search needs the network switch on.
    RoomEnvironment::Options options;
    options.resourceFolder = QString(TUNDLE_GENERATED_ASSETS);
    options.clock = [&gallery] { return gallery.world.scheduler.now(); };
    RoomEnvironment room(gallery.model->configuration(), std::move(options));
    room.update([&](RoomPreferences& preferences) {
        preferences.mode = mode;
        preferences.location = city;
        preferences.fixedWeather = RoomWeather::snow;
        preferences.fixedPhase = RoomPhase::dusk;
    });
    RoomSettingsSheet sheet(room, gallery.session, gallery.pictures, false,
                            [&gallery] { return gallery.world.scheduler.now(); });
    sheet.setAttribute(Qt::WA_DontShowOnScreen);
    sheet.show();
    prepare(sheet);
    // The offline city search answers on the next turn of the event loop.
    for (int turn = 0; turn < 3; ++turn) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return renderWidget(sheet, Colors::canvas());
}

void searchSu(RoomSettingsSheet& sheet) {
    sheet.locationControls().field().setText(QStringLiteral("su"));
    sheet.locationControls().search();
}

constexpr std::array allWeathers{RoomWeather::clear, RoomWeather::cloudy, RoomWeather::rain,
                                 RoomWeather::storm, RoomWeather::snow,   RoomWeather::fog};
constexpr std::array allPhases{RoomPhase::day, RoomPhase::dusk, RoomPhase::night};

// Every weather (rows) in every phase (columns) at half size, for a look at all of them at once.
QImage drawAllBackdrops() {
    QImage sheet(QSize(3 * 300, 6 * 400), QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::black);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (size_t row = 0; row < allWeathers.size(); ++row) {
        for (size_t column = 0; column < allPhases.size(); ++column) {
            const QImage picture = drawBackdrop(allWeathers[row], allPhases[column], false, 0);
            painter.drawImage(QRectF(column * 300.0, row * 400.0, 300, 400), picture);
        }
    }
    return sheet;
}

}  // namespace

void addRoomScenes(GalleryScenes& scenes) {
    for (const RoomWeather weather : allWeathers) {
        for (const RoomPhase phase : allPhases) {
            scenes.push_back({QStringLiteral("room-backdrop-%1-%2")
                                  .arg(roomWeatherText.raw(weather), roomPhaseText.raw(phase)),
                              [weather, phase] { return drawBackdrop(weather, phase, false, 0); }});
        }
    }
    scenes.push_back({QStringLiteral("room-backdrop-rain-frame-1"),
                      [] { return drawBackdrop(RoomWeather::rain, RoomPhase::day, true, 0); }});
    scenes.push_back({QStringLiteral("room-backdrop-rain-frame-2"),
                      [] { return drawBackdrop(RoomWeather::rain, RoomPhase::day, true, 0.4); }});
    scenes.push_back({QStringLiteral("room-backdrop-all"), drawAllBackdrops});
    scenes.push_back({QStringLiteral("room-home-with-entry"), drawHomeRoom});
    scenes.push_back({QStringLiteral("room-location-controls"), drawLocationControls});
    scenes.push_back({QStringLiteral("room-settings-weather-results"), [] {
                          return drawSettingsSheet(RoomMode::weather, WeatherLocation::cities()[0],
                                                   searchSu);
                      }});
    scenes.push_back({QStringLiteral("room-settings-weather-no-city"),
                      [] { return drawSettingsSheet(RoomMode::weather, std::nullopt, searchSu); }});
    scenes.push_back({QStringLiteral("room-settings-daylight"), [] {
                          return drawSettingsSheet(RoomMode::daylight, WeatherLocation::cities()[1],
                                                   [](RoomSettingsSheet&) {});
                      }});
    scenes.push_back(
        {QStringLiteral("room-settings-fixed-error"), [] {
             return drawSettingsSheet(RoomMode::fixed, std::nullopt, [](RoomSettingsSheet& sheet) {
                 // A place the configuration refuses, so the apply fails as a refused save does.
                 sheet.draft().update([](RoomPreferences& preferences) {
                     preferences.location = WeatherLocation{QStringLiteral("远方"), 999, 0};
                 });
                 sheet.apply();
             });
         }});
}

}  // namespace tundle::gallery
