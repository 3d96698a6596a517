#include "controlcentre/ClipboardEntryCard.h"

#include <QHBoxLayout>
#include <QLocale>
#include <QVBoxLayout>

#include "toolkit/Colors.h"
#include "toolkit/SoftButton.h"
#include "toolkit/StyledButton.h"
#include "toolkit/StyledText.h"
#include "toolkit/TextBlock.h"

namespace tundle {

ClipboardEntryCard::ClipboardEntryCard(const ClipboardEntry& entry, QWidget* parent)
    : Paper(15, parent),
      entry_(entry),
      text_(StyledText::make(entry.text, 12, Colors::ink())),
      time_(StyledText::make({}, 10, Colors::muted())),
      copy_(new SoftButton) {
    content().setSpacing(11);
    text_->setWrap(TextBlock::Wrap::anywhere);
    text_->setMaximumLines(maximumLines);
    content().addWidget(text_);

    auto* row = new QHBoxLayout;
    row->addWidget(time_);
    row->addStretch();
    auto* remove = new StyledButton(
        StyledButton::Recipe{
            .font = Typography::font(10),
            .padding = QMarginsF(4, 4, 4, 4),
            .foreground = Colors::muted(),
            .fill = Qt::transparent,
            .pressedFill = Colors::grey(0, 0.06),
            .radius = 6,
        },
        {});
    remove->setSymbol(QStringLiteral("xmark"));
    remove->setToolTip(QStringLiteral("移除这条历史"));
    remove->setAccessibleName(QStringLiteral("移除这条历史"));
    row->addWidget(remove);
    row->addWidget(copy_);
    content().addLayout(row);

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
