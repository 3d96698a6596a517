#include "accessories/ShortcutErrorStrip.h"

#include <QFontMetrics>
#include <QHBoxLayout>

#include "accessories/ShortcutBubbleStyle.h"
#include "drawing/InterfaceFont.h"
#include "toolkit/PlainLabel.h"

namespace tundle {

ShortcutErrorStrip::ShortcutErrorStrip(QWidget* parent)
    : SoapSurface(ShortcutBubbleStyle::amber(), parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(padding, padding, padding, padding);
    row->setSpacing(8);
    text_ = plainLabel({}, 11, PetPalette::rgb(1.0, 0.231, 0.188), this);
    text_->setWordWrap(true);
    fix_ = new QToolButton(this);
    fix_->setText(QStringLiteral("去修改"));
    fix_->setFont(interfaceFont(11));
    fix_->setAutoRaise(true);
    fix_->setFocusPolicy(Qt::NoFocus);
    fix_->setCursor(Qt::PointingHandCursor);
    fix_->setStyleSheet(
        QStringLiteral("QToolButton { border: none; background: transparent; "
                       "color: rgb(74, 64, 54); }"));
    row->addWidget(text_);
    row->addWidget(fix_);
}

void ShortcutErrorStrip::setMessage(const QString& message, int maxWidth) {
    text_->setText(message);
    const QFontMetrics metrics(text_->font());
    const int room = maxWidth - 2 * padding - 8 - fix_->sizeHint().width();
    const int textWidth = std::max(std::min(metrics.horizontalAdvance(message) + 1, room), 1);
    const int lines = metrics.horizontalAdvance(message) + 1 > room ? 2 : 1;
    text_->setFixedSize(textWidth, lines * metrics.lineSpacing());
    adjustSize();
}

}  // namespace tundle
