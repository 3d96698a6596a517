#pragma once

#include <QColor>
#include <QLabel>

namespace tundle {

// One of our symbols as a still picture, `side` points square, tinted `color`.
QLabel* symbolLabel(const QString& name, int side, const QColor& color, QWidget* parent = nullptr);

}  // namespace tundle
