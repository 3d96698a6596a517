#pragma once

#include <QDateTime>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "editors/RoomCrossFade.h"
#include "editors/RoomLayers.h"

namespace tundle {

class PictureCache;
class RoomEnvironment;
class SessionEvents;
class VisibilityGate;

// The room scene behind the pet: the scene pack's pictures blended for the room's atmosphere,
// colour washes for night, fog and dusk, and the moving weather on top. The still layers are
// drawn once into a cached picture; a frame redraws only the weather over it. The pictures come
// from the application's picture cache and are let go while the backdrop cannot be seen. The frame
// timer runs only while the backdrop animates or fades and can be seen. It only reads the room.
class RoomBackdrop : public QWidget {
    Q_OBJECT

public:
    // The flat colour without a scene pack or without its base picture.
    static inline const QColor emptyColour = QColor::fromRgbF(0.78f, 0.83f, 0.85f);
    // The still picture's instant, between two storm flashes.
    static constexpr double stillTime = 11.0;

    RoomBackdrop(RoomEnvironment& room, SessionEvents& session, PictureCache& pictures,
                 bool reduceMotion, std::function<QDateTime()> clock, QWidget* parent = nullptr);

    // The file of picture `name` in `root`; none when either is missing.
    static std::optional<QString> path(const std::optional<QString>& name,
                                       const std::optional<QString>& root);

    void setReduceMotion(bool on);
    bool animates() const;
    bool fading() const;
    const QTimer& frameTimer() const { return frameTimer_; }
    // How often the still layers were drawn again (each size, scene or blend change).
    int stillRenders() const { return stillRenders_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    enum Picture { base, sunny, cloudy, rain, storm, snow, night, pictureCount };

    double seconds() const;
    bool still() const;
    void load();
    void follow();
    // Lets go of every picture while nobody can see the backdrop.
    void release();
    void frame();
    // The pictures at the frame's size in device pixels, from the picture cache.
    void fetch(const QRectF& frame);
    const QImage& stills(const QRectF& frame, const RoomLayers& layers);
    void drawEffects(QPainter& painter, const QRectF& frame, double now) const;

    RoomEnvironment& room_;
    SessionEvents& session_;
    PictureCache& pictures_;
    bool reduceMotion_;
    std::function<QDateTime()> clock_;
    std::array<std::optional<QString>, pictureCount> paths_;
    RoomCrossFade fade_;
    VisibilityGate* gate_;
    QTimer frameTimer_;

    std::array<QImage, pictureCount> scaled_;
    QSize scaledSize_;
    QImage stills_;
    std::optional<RoomLayers> stillsLayers_;
    int stillRenders_ = 0;
};

}  // namespace tundle
