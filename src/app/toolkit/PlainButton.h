#pragma once

#include "toolkit/StyledButton.h"

namespace tundle {

// A borderless button that is only its label (a symbol, a text or both) in one colour, with a
// faint plate while pressed: the inline actions of rows and cards.
class PlainButton : public StyledButton {
    Q_OBJECT

public:
    PlainButton(const QString& text, double points, const QColor& color, QWidget* parent = nullptr);
};

}  // namespace tundle
