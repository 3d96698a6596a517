#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

#include "accessories/PetAccessory.h"

namespace tundle {

// One accessory beside the pet: its artwork, a label pill that slides out to the left while
// the mouse is over it, a halo while its feature is open, and its action on a click. Only the
// artwork and the revealed pill take the mouse; the rest of its frame belongs to the canvas.
class AccessoryButton : public QWidget {
    Q_OBJECT

public:
    static constexpr double revealSeconds = 0.16;
    static constexpr int closeDelayMilliseconds = 180;
    // The pill takes clicks only once it is out this far.
    static constexpr double pillHitReveal = 0.08;

    // `previewRevealed`: the label is out from the first tracked position on and stays.
    // `seconds`: a monotonic clock for the label's animation; the system's when empty.
    AccessoryButton(PetAccessory accessory, bool previewRevealed,
                    std::function<double()> seconds = {}, QWidget* parent = nullptr);

    PetAccessory accessory() const { return accessory_; }
    std::function<void()> action;

    bool isActive() const { return active_; }
    void setActive(bool active);
    void setReduceMotion(bool reduce) { reduceMotion_ = reduce; }
    double reveal() const { return reveal_; }
    bool hovered() const { return hovered_; }
    bool pressed() const { return pressed_; }
    bool animating() const { return animationTimer_.isActive() || closeTimer_.isActive(); }
    const std::optional<QImage>& artwork() const { return artwork_; }

    // Geometry in the button's own bottom-up points.
    QRectF artworkArea() const;
    double labelExtension() const;
    QRectF labelRect() const;
    bool contains(QPointF point) const;
    // A mouse position in the button's bottom-up points; the canvas also feeds one after each
    // layout, so a button that moves under a still mouse reveals its label.
    void track(QPointF point);
    // A press by assistive technology.
    void press();

signals:
    // The part of the button that takes the mouse changed: its size, or the label pill's share.
    void hitAreaChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPointF upward(QPointF qtPoint) const;
    void animate();
    void step();
    void setReveal(double reveal);
    // Only the hit area takes the mouse (and only it is painted: everything drawn lies in it).
    void updateMask();

    PetAccessory accessory_;
    bool previewRevealed_;
    bool active_ = false;
    bool reduceMotion_ = false;
    double reveal_ = 0;
    bool hovered_ = false;
    bool pressed_ = false;
    std::optional<QImage> artwork_;
    QTimer animationTimer_;
    QTimer closeTimer_;
    QElapsedTimer systemClock_;
    std::function<double()> seconds_;
    double animationStart_ = 0;
    double animationFrom_ = 0;
    double animationTarget_ = 0;
};

}  // namespace tundle
