#pragma once

#include <QPoint>
#include <QPointF>
#include <optional>

namespace tundle {

// What a press on the pet's canvas began on.
enum class PressKind { none, bubble, farmScene, pet };

// One press of the mouse on the canvas: a press on the pet may become a drag of the whole
// panel once the pointer has moved more than the threshold; a press anywhere else never does.
class PetPress {
public:
    static constexpr double dragThreshold = 3;

    // Resets everything the previous press left.
    void begin(PressKind kind, QPointF screenMouse, QPoint windowOrigin);
    // The panel's new origin while the press drags the panel; none below the threshold or
    // when the press did not begin on the pet.
    std::optional<QPoint> drag(QPointF screenMouse);
    // Ends the press and tells what it began on.
    PressKind end();

    PressKind kind() const { return kind_; }
    bool wasDragged() const { return wasDragged_; }

private:
    PressKind kind_ = PressKind::none;
    QPointF mouseStart_;
    QPoint windowStart_;
    bool wasDragged_ = false;
};

}  // namespace tundle
