#include "toolkit/TextBlock.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <cmath>

namespace tundle {

namespace {

// The widest a block asks for before it wraps.
constexpr double preferredWidth = 400;

}  // namespace

TextBlock::TextBlock(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void TextBlock::changed() {
    cachedWidth_ = -1;
    updateGeometry();
    update();
}

void TextBlock::setText(const QString& text) {
    if (text_ != text) {
        text_ = text;
        changed();
    }
}

void TextBlock::setColor(const QColor& color) {
    color_ = color;
    update();
}

void TextBlock::setLineSpacing(double points) {
    lineSpacing_ = points;
    changed();
}

void TextBlock::setMaximumLines(int lines) {
    maximumLines_ = std::max(0, lines);
    changed();
}

void TextBlock::setWrap(Wrap wrap) {
    wrap_ = wrap;
    changed();
}

void TextBlock::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

void TextBlock::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        changed();
    }
    QWidget::changeEvent(event);
}

TextBlock::Lines TextBlock::layoutFor(double width) const {
    if (width == cachedWidth_) {
        return cached_;
    }
    Lines result;
    QString shown = text_;
    shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(shown, font());
    QTextOption option;
    option.setWrapMode(wrap_ == Wrap::words ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                            : QTextOption::WrapAnywhere);
    layout.setTextOption(option);
    const QFontMetricsF metrics(font());
    const double lineWidth = std::max(1.0, width);
    layout.beginLayout();
    while (true) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) {
            break;
        }
        line.setLineWidth(lineWidth);
        const QString part = shown.mid(line.textStart(), line.textLength());
        const bool last = maximumLines_ > 0 && result.lines.size() + 1 == maximumLines_;
        if (last && line.textStart() + line.textLength() < shown.size()) {
            // The last line keeps to its own paragraph; an ellipsis says more follows, even
            // when the paragraph itself would fit.
            const qsizetype breakAt = shown.indexOf(QChar::LineSeparator, line.textStart());
            QString paragraph =
                shown.mid(line.textStart(), breakAt < 0 ? -1 : breakAt - line.textStart());
            if (breakAt >= 0) {
                paragraph += QChar(0x2026);
            }
            result.lines << metrics.elidedText(paragraph, Qt::ElideRight, lineWidth);
            result.elided = true;
            break;
        }
        result.lines << QString(part).remove(QChar::LineSeparator);
    }
    layout.endLayout();
    const int count = int(result.lines.size());
    result.height =
        count == 0 ? 0 : count * metrics.height() + (count - 1) * std::max(0.0, lineSpacing_);
    cachedWidth_ = width;
    cached_ = result;
    return result;
}

int TextBlock::heightForWidth(int width) const {
    return int(std::ceil(layoutFor(width).height));
}

QSize TextBlock::sizeHint() const {
    const QFontMetricsF metrics(font());
    double natural = 0;
    for (const QString& line : text_.split(QLatin1Char('\n'))) {
        natural = std::max(natural, metrics.horizontalAdvance(line));
    }
    const int width = int(std::ceil(std::min(natural, preferredWidth)));
    return {width, heightForWidth(width)};
}

QSize TextBlock::minimumSizeHint() const {
    const QFontMetricsF metrics(font());
    return {0, int(std::ceil(metrics.height()))};
}

void TextBlock::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(color_.isValid() ? color_ : palette().color(QPalette::WindowText));
    const QFontMetricsF metrics(font());
    const Lines laid = layoutFor(width());
    double y = 0;
    for (const QString& line : laid.lines) {
        painter.drawText(QRectF(0, y, width(), metrics.height()),
                         int(alignment_ & Qt::AlignHorizontal_Mask) | Qt::AlignTop, line);
        y += metrics.height() + std::max(0.0, lineSpacing_);
    }
}

}  // namespace tundle
