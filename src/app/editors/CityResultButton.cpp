#include "editors/CityResultButton.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "toolkit/Colors.h"
#include "toolkit/FocusRing.h"
#include "toolkit/Typography.h"

namespace tundle {

namespace {

constexpr double padding = 4;
constexpr double verticalPadding = 2;
constexpr double gap = 12;
constexpr double radius = 4;

}  // namespace

CityResultButton::CityResultButton(const QString& name, const QString& key, QWidget* parent)
    : QAbstractButton(parent), key_(key) {
    setText(name);
    setFont(Typography::font(TextSize::body));
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(name + QLatin1Char(' ') + key);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize CityResultButton::sizeHint() const {
    const QFontMetricsF metrics(font());
    return {int(std::ceil(2 * padding + metrics.horizontalAdvance(text()) + gap +
                          metrics.horizontalAdvance(key_))),
            int(std::ceil(metrics.height() + 2 * verticalPadding))};
}

QSize CityResultButton::minimumSizeHint() const {
    return {0, sizeHint().height()};
}

void CityResultButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame(rect());
    if (isDown()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Colors::grey(0, 0.05));
        painter.drawRoundedRect(frame, radius, radius);
    }
    if (FocusRing::shown(*this)) {
        FocusRing::draw(painter, frame, radius);
    }
    const QFontMetricsF metrics(font());
    const QRectF inner = frame.adjusted(padding, 0, -padding, 0);
    const double keyWidth = metrics.horizontalAdvance(key_);
    painter.setFont(font());
    painter.setPen(Colors::muted());
    painter.drawText(inner, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, key_);
    painter.setPen(Colors::accent());
    const double nameWidth = std::max(0.0, inner.width() - keyWidth - gap);
    painter.drawText(QRectF(inner.left(), inner.top(), nameWidth, inner.height()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     metrics.elidedText(text(), Qt::ElideRight, nameWidth));
}

}  // namespace tundle
