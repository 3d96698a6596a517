#pragma once

#include <QWidget>

#include "pet/PetCanvas.h"

namespace tundle {

// The live pet for the control centre's home page: a preview canvas filling the widget.
class PetPreview : public QWidget {
    Q_OBJECT

public:
    PetPreview(AppModel& model, FarmStore& farm, QWidget* parent = nullptr);

    PetCanvas& canvas() { return *canvas_; }

private:
    PetCanvas* canvas_;
};

}  // namespace tundle
