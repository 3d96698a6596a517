#include "toolkit/Paper.h"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "toolkit/Colors.h"

namespace tundle {

namespace {

constexpr double radius = 19;

}  // namespace

Paper::Paper(double padding, QWidget* parent)
    : QWidget(parent), padding_(padding), content_(new QVBoxLayout(this)) {
    const int margin = qRound(padding);
    content_->setContentsMargins(margin, margin, margin, margin);
}

void Paper::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect());
    QPainterPath card;
    card.addRoundedRect(frame, radius, radius);
    painter.fillPath(card, Colors::grey(1, 0.83));
    // The outline is centred on the card's edge: its outer half is clipped away.
    painter.setClipPath(card);
    painter.setPen(QPen(Colors::grey(0, 0.045), 1));
    painter.drawPath(card);
}

}  // namespace tundle
