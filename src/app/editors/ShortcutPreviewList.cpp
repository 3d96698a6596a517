#include "editors/ShortcutPreviewList.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>
#include <limits>

#include "editors/ConfigurationPreviewContent.h"
#include "toolkit/Colors.h"
#include "toolkit/Typography.h"

namespace tundle {

ShortcutPreviewList::ShortcutPreviewList(const std::vector<ShortcutItem>& items, QWidget* parent)
    : QWidget(parent),
      titleMeasure_(new TextBlock({}, this)),
      targetMeasure_(new TextBlock({}, this)) {
    titleMeasure_->hide();
    titleMeasure_->setFont(Typography::font(TextSize::body, FontWeight::bold));
    targetMeasure_->hide();
    targetMeasure_->setFont(Typography::font(TextSize::body));
    targetMeasure_->setWrap(TextBlock::Wrap::anywhere);
    blocks_.reserve(items.size());
    for (const ShortcutItem& item : items) {
        blocks_.push_back({ConfigurationPreviewContent::itemTitle(item),
                           ConfigurationPreviewContent::itemTarget(item)});
    }
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QStringList ShortcutPreviewList::texts() const {
    QStringList all;
    for (const Block& block : blocks_) {
        all << block.title << block.target;
    }
    return all;
}

QStringList ShortcutPreviewList::wrapped(const QString& text, double& advance, TextBlock& measure,
                                         double width) {
    if (advance < 0) {
        advance = text.contains(u'\n') ? std::numeric_limits<double>::infinity()
                                       : QFontMetricsF(measure.font()).horizontalAdvance(text);
    }
    // Most names and paths fit on one line; only the others need a full text layout.
    if (advance <= width) {
        return {text};
    }
    measure.setText(text);
    return measure.layoutFor(width).lines;
}

void ShortcutPreviewList::layoutFor(int width) const {
    if (width == laidWidth_) {
        return;
    }
    const double lineHeight = QFontMetricsF(titleMeasure_->font()).height();
    const double targetLineHeight = QFontMetricsF(targetMeasure_->font()).height();
    double top = 0;
    for (Block& block : blocks_) {
        block.titleLines = wrapped(block.title, block.titleAdvance, *titleMeasure_, width);
        block.targetLines = wrapped(block.target, block.targetAdvance, *targetMeasure_, width);
        block.top = top;
        block.height = block.titleLines.size() * lineHeight + lineSpacing +
                       block.targetLines.size() * targetLineHeight;
        top += block.height + blockSpacing;
    }
    height_ = blocks_.empty() ? 0 : top - blockSpacing;
    laidWidth_ = width;
}

int ShortcutPreviewList::heightForWidth(int width) const {
    layoutFor(width);
    return int(std::ceil(height_));
}

QSize ShortcutPreviewList::sizeHint() const {
    // Asked before the list has its width: an estimate of one line each, without measuring.
    const double lines = QFontMetricsF(titleMeasure_->font()).height() +
                         QFontMetricsF(targetMeasure_->font()).height() + lineSpacing;
    return {400, int(std::ceil(double(blocks_.size()) * (lines + blockSpacing)))};
}

void ShortcutPreviewList::paintEvent(QPaintEvent* event) {
    layoutFor(width());
    QPainter painter(this);
    const QRectF shown = event->rect();
    const struct {
        const TextBlock* measure;
        QColor color;
    } styles[] = {{titleMeasure_, Colors::ink()}, {targetMeasure_, Colors::muted()}};
    for (const Block& block : blocks_) {
        if (block.top + block.height < shown.top() || block.top > shown.bottom()) {
            continue;
        }
        double y = block.top;
        for (const auto& [lines, style] :
             {std::pair{&block.titleLines, styles[0]}, std::pair{&block.targetLines, styles[1]}}) {
            painter.setFont(style.measure->font());
            painter.setPen(style.color);
            const double lineHeight = QFontMetricsF(style.measure->font()).height();
            for (const QString& line : *lines) {
                painter.drawText(QRectF(0, y, width(), lineHeight), Qt::AlignLeft | Qt::AlignTop,
                                 line);
                y += lineHeight;
            }
            y += lineSpacing;
        }
    }
}

}  // namespace tundle
