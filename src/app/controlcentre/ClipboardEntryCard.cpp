#include "controlcentre/ClipboardEntryCard.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace tundle {

ClipboardEntryCard::ClipboardEntryCard(const ClipboardEntry& entry, QWidget* parent)
    : QWidget(parent), entry_(entry), time_(new QLabel), copy_(new QPushButton) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(15, 15, 15, 15);
    column->setSpacing(11);
    auto* text = new QLabel(entry.text);
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text_ = text;
    column->addWidget(text_);

    auto* row = new QHBoxLayout;
    row->addWidget(time_);
    row->addStretch();
    auto* remove = new QPushButton(QStringLiteral("×"));
    remove->setToolTip(QStringLiteral("移除这条历史"));
    remove->setAccessibleName(QStringLiteral("移除这条历史"));
    row->addWidget(remove);
    row->addWidget(copy_);
    column->addLayout(row);

    connect(remove, &QAbstractButton::clicked, this, [this] { emit removeRequested(entry_); });
    connect(copy_, &QAbstractButton::clicked, this, [this] { emit copyRequested(entry_); });
    setEntry(entry);
    setCopied(false);
}

void ClipboardEntryCard::setEntry(const ClipboardEntry& entry) {
    entry_ = entry;
    time_->setText(QLocale().toString(entry.capturedAt.toLocalTime().time(), QLocale::ShortFormat));
}

void ClipboardEntryCard::setCopied(bool copied) {
    copy_->setText(copied ? QStringLiteral("已复制") : QStringLiteral("复制"));
}

}  // namespace tundle
