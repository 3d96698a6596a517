#include "pet/PetPanel.h"

#include <QVBoxLayout>

#include "platform/FloatingPanel.h"

namespace tundle {

PetPanel::PetPanel(AppModel& model, FarmStore& farm, PetClocks clocks, QWidget* parent)
    : QWidget(parent), canvas_(new PetCanvas(model, farm, false, std::move(clocks), this)) {
    setAccessibleName(QStringLiteral("糯墩桌宠"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(canvas_);
    FloatingPanel::configure(*this);
}

}  // namespace tundle
