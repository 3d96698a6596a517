#include "controlcentre/ClipboardEntryCard.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHash>
#include <QVBoxLayout>

#include "toolkit/Colors.h"
#include "toolkit/PlainButton.h"
#include "toolkit/SoftButton.h"
#include "toolkit/StyledText.h"
#include "toolkit/TextBlock.h"
#include "toolkit/Typography.h"

namespace tundle {

namespace {

// The entry's text takes the card's whole width and never changes. Its natural width is never
// asked for, and its height is kept for every width a layout pass asks about: laying a long
// entry out again whenever the pass turns to another width made each new entry cost the whole
// list.
class EntryText : public TextBlock {
public:
    using TextBlock::TextBlock;

    QSize sizeHint() const override { return minimumSizeHint(); }
    int heightForWidth(int width) const override {
        auto known = heights_.constFind(width);
        if (known == heights_.cend()) {
            known = heights_.insert(width, TextBlock::heightForWidth(width));
        }
        return *known;
    }

protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::FontChange) {
            heights_.clear();
        }
        TextBlock::changeEvent(event);
    }

private:
    mutable QHash<int, int> heights_;
};

}  // namespace

ClipboardEntryCard::ClipboardEntryCard(const ClipboardEntry& entry, QWidget* parent)
    : Paper(15, parent),
      entry_(entry),
      text_(new EntryText(shownText(entry.text))),
      time_(StyledText::label({}, TextSize::caption, Colors::muted())),
      copy_(new SoftButton) {
    content().setSpacing(11);
    text_->setFont(Typography::font(TextSize::body));
    text_->setColor(Colors::ink());
    text_->setWrap(TextBlock::Wrap::anywhere);
    text_->setMaximumLines(maximumLines);
    content().addWidget(text_);

    auto* row = new QHBoxLayout;
    row->addWidget(time_, 0, Qt::AlignVCenter);
    row->addStretch();
    auto* remove = new PlainButton({}, TextSize::caption, Colors::muted());
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

QString ClipboardEntryCard::shownText(const QString& text) {
    if (text.size() <= shownLength) {
        return text;
    }
    qsizetype end = shownLength;
    if (text.at(end - 1).isHighSurrogate()) {
        --end;
    }
    return text.left(end) + QStringLiteral("…");
}

void ClipboardEntryCard::setEntry(const ClipboardEntry& entry) {
    entry_ = entry;
    time_->setText(entry.capturedAt.toLocalTime().time().toString(QStringLiteral("HH:mm")));
}

void ClipboardEntryCard::setCopied(bool copied) {
    copy_->setText(copied ? QStringLiteral("已复制") : QStringLiteral("复制"));
}

}  // namespace tundle
