#pragma once

#include <QObject>
#include <QPointF>
#include <memory>

#include "pet/input/PetPress.h"

class QMenu;
class QMouseEvent;

namespace tundle {

class AppModel;
class PetCanvas;

// The mouse on the pet's canvas: the cursor over its interactive parts, presses on the bubble,
// the farm and the pet, dragging the whole panel, and the context menu.
class PetInput : public QObject {
    Q_OBJECT

public:
    PetInput(PetCanvas& canvas, AppModel& model);

    const PetPress& press() const { return press_; }
    // The context menu's items, owned by the caller.
    std::unique_ptr<QMenu> contextMenu();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pressed(QMouseEvent* event);
    void moved(QMouseEvent* event);
    void released(QMouseEvent* event);
    bool onPet(QPointF point) const;

    PetCanvas& canvas_;
    AppModel& model_;
    PetPress press_;
};

}  // namespace tundle
