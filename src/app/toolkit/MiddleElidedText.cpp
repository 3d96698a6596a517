#include "toolkit/MiddleElidedText.h"

#include <QEvent>

namespace tundle {

MiddleElidedText::MiddleElidedText(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void MiddleElidedText::setFullText(const QString& text) {
    full_ = text;
    elide();
}

void MiddleElidedText::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    elide();
}

void MiddleElidedText::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        elide();
    }
}

void MiddleElidedText::elide() {
    setText(fontMetrics().elidedText(full_, Qt::ElideMiddle, width()));
}

}  // namespace tundle
