#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPoint>
#include <QRegion>

#include "platform/InputShape.h"

namespace tundle {

class PetCanvas;

// Lets clicks fall through the pet panel wherever the pet is transparent: the panel's input
// shape is the canvas's interactive area, sent whenever the canvas publishes a new one (a new
// frame, a bubble, a revealed label, the farm, a resize). The desktop then hands a press on the
// pet to the panel at once and any other to what lies beneath, and a press that started on the
// pet keeps its events until it is released, wherever the pointer goes. Nothing is polled.
class ClickThroughTracker : public QObject {
    Q_OBJECT

public:
    ClickThroughTracker(PetCanvas& canvas, InputShape& shape, QObject* parent = nullptr);

    // Sends the area the canvas has now, then every change.
    void start();
    void stop();

    // Whether a press at a global position (Qt's coordinates) goes to the panel.
    bool takesClickAt(QPoint global) const;

private:
    void send(const QRegion& canvasPixels);

    PetCanvas& canvas_;
    InputShape& shape_;
    QMetaObject::Connection following_;
};

}  // namespace tundle
