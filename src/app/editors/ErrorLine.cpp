#include "editors/ErrorLine.h"

#include "toolkit/Typography.h"

namespace tundle {

ErrorLine::ErrorLine(double points, QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setFont(Typography::font(points));
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, color());
    setPalette(colours);
    hide();
}

void ErrorLine::setMessage(const std::optional<QString>& message) {
    setText(message.value_or(QString()));
    setVisible(message.has_value());
}

}  // namespace tundle
