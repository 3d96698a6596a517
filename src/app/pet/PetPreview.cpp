#include "pet/PetPreview.h"

#include <QVBoxLayout>

namespace tundle {

PetPreview::PetPreview(AppModel& model, FarmStore& farm, QWidget* parent)
    : QWidget(parent), canvas_(new PetCanvas(model, farm, true, {}, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(canvas_);
}

}  // namespace tundle
