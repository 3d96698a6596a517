#pragma once

#include <QColor>
#include <QLabel>

#include "toolkit/Typography.h"

namespace tundle {

// A plain-text label of the editors in the interface font at `points`, in `color`.
QLabel* plainLabel(const QString& text, double points, const QColor& color, QWidget* parent,
                   FontWeight weight = FontWeight::regular);

}  // namespace tundle
