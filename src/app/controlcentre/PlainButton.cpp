#include "controlcentre/PlainButton.h"

namespace tundle {

PlainButton::PlainButton(const QFont& font, const QColor& color, const QString& text,
                         QWidget* parent, double padding)
    : StyledButton(
          Recipe{
              .font = font,
              .padding = QMarginsF(padding, padding, padding, padding),
              .foreground = color,
              .fill = Qt::transparent,
              .pressedFill = QColor(0, 0, 0, 14),
              .radius = 6,
          },
          text, parent) {
    setCursor(Qt::PointingHandCursor);
}

}  // namespace tundle
