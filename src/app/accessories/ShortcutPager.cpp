#include "accessories/ShortcutPager.h"

#include <QHBoxLayout>

#include "accessories/ShortcutBubbleStyle.h"
#include "drawing/SymbolImage.h"
#include "toolkit/PlainLabel.h"

namespace tundle {

ShortcutPager::ShortcutPager(QWidget* parent) : SoapSurface(ShortcutBubbleStyle::amber(), parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 6, 6, 6);
    row->setSpacing(14);
    previous_ = arrow(QStringLiteral("chevron.left"), QStringLiteral("上一页"));
    label_ = plainLabel({}, 11, ShortcutBubbleStyle::ink(), this);
    next_ = arrow(QStringLiteral("chevron.right"), QStringLiteral("下一页"));
    row->addWidget(previous_);
    row->addWidget(label_);
    row->addWidget(next_);
    connect(previous_, &QToolButton::clicked, this,
            [this] { emit pageRequested(std::max(page_ - 1, 0)); });
    connect(next_, &QToolButton::clicked, this,
            [this] { emit pageRequested(std::min(page_ + 1, pageCount_ - 1)); });
}

QToolButton* ShortcutPager::arrow(const QString& symbol, const QString& tip) {
    auto* button = new QToolButton(this);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    QIcon icon;
    icon.addPixmap(
        QPixmap::fromImage(SymbolImage::render(symbol, QSize(24, 24), ShortcutBubbleStyle::ink())),
        QIcon::Normal);
    QColor faded = ShortcutBubbleStyle::ink();
    faded.setAlphaF(0.3f);
    icon.addPixmap(QPixmap::fromImage(SymbolImage::render(symbol, QSize(24, 24), faded)),
                   QIcon::Disabled);
    button->setIcon(icon);
    button->setIconSize(QSize(12, 12));
    button->setStyleSheet(QStringLiteral("QToolButton { border: none; background: transparent; }"));
    return button;
}

void ShortcutPager::setPage(int page, int pageCount) {
    page_ = page;
    pageCount_ = pageCount;
    previous_->setEnabled(page > 0);
    next_->setEnabled(page < pageCount - 1);
    label_->setText(QString::number(page + 1) + QLatin1Char('/') + QString::number(pageCount));
    adjustSize();
}

}  // namespace tundle
