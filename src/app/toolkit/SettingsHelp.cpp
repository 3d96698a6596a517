#include "toolkit/SettingsHelp.h"

#include <QPainter>
#include <QVBoxLayout>
#include <cmath>

#include "drawing/SymbolImage.h"
#include "toolkit/Colors.h"
#include "toolkit/FocusRing.h"
#include "toolkit/Popover.h"
#include "toolkit/Spacing.h"
#include "toolkit/TextBlock.h"
#include "toolkit/Typography.h"

namespace tundle {

namespace {

// The glyph's side: the symbol at a 12-point font.
constexpr double glyph = 13;

}  // namespace

SettingsHelp::SettingsHelp(const QString& title, const QString& message, QWidget* parent)
    : QAbstractButton(parent), title_(title), message_(message) {
    const QString label = title + QStringLiteral("说明");
    setToolTip(label);
    setAccessibleName(label);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(this, &QAbstractButton::clicked, this, &SettingsHelp::toggle);
}

Popover& SettingsHelp::preparedPopover() {
    if (!popover_) {
        popover_ = new Popover(this);
        QVBoxLayout& content = popover_->content();
        auto* stack = new QVBoxLayout;
        stack->setContentsMargins(Spacing::wide, Spacing::wide, Spacing::wide, Spacing::wide);
        stack->setSpacing(Spacing::small);
        auto* heading = new TextBlock(title_);
        heading->setFont(Typography::font(TextSize::control, FontWeight::semibold));
        heading->setColor(Colors::ink());
        auto* paragraph = new TextBlock(message_);
        paragraph->setFont(Typography::font(TextSize::body));
        paragraph->setColor(Colors::ink());
        paragraph->setLineSpacing(4);
        stack->addWidget(heading);
        stack->addWidget(paragraph);
        content.addLayout(stack);
        connect(popover_, &Popover::closed, this, [this] { setPresented(false); });
    }
    popover_->resize(popover_->sizeFor(popoverWidth));
    return *popover_;
}

void SettingsHelp::toggle() {
    if (presented_) {
        popover_->hide();
        return;
    }
    preparedPopover().showFor(*this, popoverWidth);
    setPresented(true);
}

void SettingsHelp::setPresented(bool presented) {
    if (presented_ != presented) {
        presented_ = presented;
        emit presentedChanged(presented);
    }
}

void SettingsHelp::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const double ratio = devicePixelRatioF();
    const int pixels = int(std::ceil(glyph * ratio));
    QImage image = SymbolImage::render(QStringLiteral("info.circle"), QSize(pixels, pixels),
                                       isDown() ? Colors::ink() : Colors::muted());
    image.setDevicePixelRatio(ratio);
    painter.drawImage(QPointF((width() - glyph) / 2, (height() - glyph) / 2), image);
    if (FocusRing::shown(*this)) {
        FocusRing::draw(painter, QRectF(rect()), 6);
    }
}

}  // namespace tundle
