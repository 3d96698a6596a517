#include "platform/QtScreens.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace tundle {

QtScreens::QtScreens(QObject* parent) : QObject(parent) {
    for (QScreen* screen : QGuiApplication::screens()) {
        watch(screen);
    }
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
        watch(screen);
        emit changed();
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &QtScreens::changed);
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, &QtScreens::changed);
}

std::vector<QRectF> QtScreens::visibleFrames() const {
    const ScreenCoordinates coordinates = ScreenCoordinates::current();
    QList<QScreen*> screens = QGuiApplication::screens();
    const QScreen* primary = QGuiApplication::primaryScreen();
    std::stable_partition(screens.begin(), screens.end(),
                          [primary](const QScreen* screen) { return screen == primary; });
    std::vector<QRectF> frames;
    frames.reserve(screens.size());
    for (const QScreen* screen : screens) {
        frames.push_back(coordinates.fromQt(QRectF(screen->availableGeometry())));
    }
    return frames;
}

std::optional<QRectF> QtScreens::mainVisibleFrame() const {
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary == nullptr) {
        return std::nullopt;
    }
    return ScreenCoordinates::current().fromQt(QRectF(primary->availableGeometry()));
}

void QtScreens::watch(QScreen* screen) {
    connect(screen, &QScreen::geometryChanged, this, &QtScreens::changed);
    connect(screen, &QScreen::availableGeometryChanged, this, &QtScreens::changed);
}

}  // namespace tundle
