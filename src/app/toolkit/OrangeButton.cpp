#include "toolkit/OrangeButton.h"

#include <QGraphicsDropShadowEffect>

#include "toolkit/Colors.h"
#include "toolkit/Typography.h"

namespace tundle {

StyledButton::Recipe OrangeButton::style() {
    return Recipe{
        .font = Typography::font(TextSize::control, FontWeight::semibold),
        .padding = QMarginsF(18, 11, 18, 11),
        .foreground = Qt::white,
        .fill = Colors::accent(),
        .pressedFill = Colors::withOpacity(Colors::accent(), 0.75),
        .radius = 18,
    };
}

OrangeButton::OrangeButton(const QString& text, QWidget* parent)
    : StyledButton(style(), text, parent) {
    auto* shadow = new QGraphicsDropShadowEffect(this);
    shadow->setColor(Colors::withOpacity(Colors::accent(), 0.12));
    shadow->setBlurRadius(16);
    shadow->setOffset(0, 4);
    setGraphicsEffect(shadow);
}

}  // namespace tundle
