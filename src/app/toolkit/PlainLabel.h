#pragma once

#include <QColor>
#include <QLabel>

#include "toolkit/Typography.h"

namespace tundle {

// The one way a label is made: plain text (never read as markup, whatever a user, a pack or
// the clipboard put in it) in the interface font at `points`, in `color`.
QLabel* plainLabel(const QString& text, double points, const QColor& color, QWidget* parent,
                   FontWeight weight = FontWeight::regular);

}  // namespace tundle
