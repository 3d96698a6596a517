#pragma once

#include "toolkit/StyledButton.h"

namespace tundle {

// The light secondary button: ink 12-point medium text on 4.5 % black, 9 % while pressed.
class SoftButton : public StyledButton {
    Q_OBJECT

public:
    explicit SoftButton(const QString& text = {}, QWidget* parent = nullptr);

    static Recipe style();
};

}  // namespace tundle
