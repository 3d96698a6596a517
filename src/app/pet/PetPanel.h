#pragma once

#include <QWidget>

#include "pet/PetCanvas.h"

namespace tundle {

// The borderless floating panel the pet lives in; its whole content is one PetCanvas. It
// never takes the keyboard focus.
class PetPanel : public QWidget {
    Q_OBJECT

public:
    PetPanel(AppModel& model, FarmStore& farm, PetClocks clocks = {}, QWidget* parent = nullptr);

    PetCanvas& canvas() { return *canvas_; }

private:
    PetCanvas* canvas_;
};

}  // namespace tundle
