#include "controlcentre/ClipboardPage.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QSet>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "companion/ClipboardService.h"
#include "controlcentre/ClipboardEntryCard.h"
#include "controlcentre/SearchField.h"
#include "toolkit/Colors.h"
#include "toolkit/OrangeButton.h"
#include "toolkit/PageHeading.h"
#include "toolkit/Paper.h"
#include "toolkit/SoftButton.h"
#include "toolkit/Spacing.h"
#include "toolkit/StyledText.h"
#include "toolkit/Switch.h"
#include "toolkit/SymbolView.h"
#include "toolkit/TextBlock.h"
#include "toolkit/Typography.h"

namespace tundle {

ClipboardPage::ClipboardPage(ClipboardService& service, QWidget* parent)
    : QWidget(parent),
      service_(service),
      recording_(new Switch),
      pause_(new SoftButton),
      clear_(new SoftButton(QStringLiteral("清空历史"))),
      searchField_(new SearchField(QStringLiteral("搜索复制过的文字"))),
      list_(new QWidget),
      listLayout_(new QVBoxLayout(list_)) {
    auto* body = new QVBoxLayout(this);
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(19);
    body->addWidget(
        new PageHeading(QStringLiteral("刚才复制的，还在这里。"),
                        QStringLiteral("只记录开启后的纯文本，最多 %1 条；保存在内存，退出即清空。")
                            .arg(ClipboardService::maximumItems)));

    auto* controls = new QHBoxLayout;
    controls->setSpacing(Spacing::regular);
    recording_->setAccessibleName(QStringLiteral("记录剪贴板"));
    controls->addWidget(recording_, 0, Qt::AlignVCenter);
    controls->addWidget(
        StyledText::label(QStringLiteral("记录剪贴板"), TextSize::body, Colors::ink()), 0,
        Qt::AlignVCenter);
    controls->addStretch();
    controls->addWidget(pause_);
    controls->addWidget(clear_);
    body->addLayout(controls);
    body->addWidget(searchField_);
    empty_ = makeEmptyState();
    body->addWidget(empty_);
    listLayout_->setContentsMargins(0, 0, 0, 0);
    listLayout_->setSpacing(Spacing::medium);
    body->addWidget(list_);
    body->addWidget(
        StyledText::make(QStringLiteral("跳过带有密码／临时内容标记的剪贴板。可随时暂停或清空。"),
                         TextSize::caption, Colors::muted()));
    body->addStretch();

    connect(recording_, &QAbstractButton::clicked, this,
            [this](bool on) { service_.setEnabled(on); });
    connect(pause_, &QAbstractButton::clicked, this,
            [this] { service_.setPaused(!service_.isPaused()); });
    connect(clear_, &QAbstractButton::clicked, this, [this] { service_.clear(); });
    connect(&searchField_->edit(), &QLineEdit::textChanged, this, [this](const QString& text) {
        query_ = text;
        showFiltered();
    });
    connect(&service_, &ClipboardService::enabledChanged, this, &ClipboardPage::syncControls);
    connect(&service_, &ClipboardService::pausedChanged, this, &ClipboardPage::syncControls);
    connect(&service_, &ClipboardService::itemsChanged, this, &ClipboardPage::syncEntries);
    syncEntries();
}

QWidget* ClipboardPage::makeEmptyState() {
    auto* paper = new Paper(38);
    QVBoxLayout& column = paper->content();
    column.setContentsMargins(38, 38 + 34, 38, 38 + 34);
    column.setSpacing(15);
    auto* symbol = new SymbolView(QStringLiteral("doc.on.clipboard"), 37,
                                  Colors::withOpacity(Colors::accent(), 0.65));
    column.addWidget(symbol, 0, Qt::AlignHCenter);
    emptyTitle_ = StyledText::make({}, TextSize::emphasis, Colors::ink(), FontWeight::medium);
    emptyLine_ = StyledText::make({}, TextSize::footnote, Colors::muted());
    for (TextBlock* text : {emptyTitle_, emptyLine_}) {
        text->setAlignment(Qt::AlignHCenter);
        column.addWidget(text);
    }
    startRecording_ = new OrangeButton(QStringLiteral("开启文字历史"));
    connect(startRecording_, &QAbstractButton::clicked, this,
            [this] { service_.setEnabled(true); });
    column.addWidget(startRecording_, 0, Qt::AlignHCenter);
    return paper;
}

ClipboardPage::EmptyState ClipboardPage::emptyState(bool hasEntries, bool recording) {
    return EmptyState{
        .title = hasEntries ? QStringLiteral("没有找到这段文字")
                            : QStringLiteral("给那些一闪而过的文字，留个位置。"),
        .line = recording ? QStringLiteral("去任意应用复制一段文字，这里就会出现。")
                          : QStringLiteral("开启后开始记录；不会读取之前的剪贴板内容。"),
        .offersRecording = !recording,
    };
}

void ClipboardPage::syncControls() {
    {
        const QSignalBlocker blocker(recording_);
        recording_->setChecked(service_.isEnabled());
    }
    pause_->setVisible(service_.isEnabled());
    pause_->setText(service_.isPaused() ? QStringLiteral("继续记录") : QStringLiteral("暂停记录"));
    clear_->setEnabled(!service_.items().isEmpty());
    const EmptyState state = emptyState(!service_.items().isEmpty(), service_.isEnabled());
    emptyTitle_->setText(state.title);
    emptyLine_->setText(state.line);
    startRecording_->setVisible(state.offersRecording);
}

void ClipboardPage::syncEntries() {
    QSet<QUuid> present;
    for (const ClipboardEntry& entry : service_.items()) {
        present.insert(entry.id);
        if (ClipboardEntryCard* card = cards_.value(entry.id)) {
            card->setEntry(entry);
            continue;
        }
        auto* card = new ClipboardEntryCard(entry, list_);
        card->hide();
        connect(card, &ClipboardEntryCard::copyRequested, this, &ClipboardPage::copy);
        connect(card, &ClipboardEntryCard::removeRequested, this,
                [this](ClipboardEntry gone) { service_.remove(gone); });
        cards_.insert(entry.id, card);
    }
    for (auto card = cards_.begin(); card != cards_.end();) {
        if (present.contains(card.key())) {
            ++card;
        } else {
            // The card may be the one whose signal removed its entry, still running.
            card.value()->hide();
            listLayout_->removeWidget(card.value());
            card.value()->deleteLater();
            card = cards_.erase(card);
        }
    }
    showFiltered();
}

void ClipboardPage::showFiltered() {
    const QList<ClipboardEntry> shown = search_.filter(service_.items(), query_);
    QSet<QUuid> visible;
    for (const ClipboardEntry& entry : shown) {
        visible.insert(entry.id);
    }
    for (auto card = cards_.cbegin(); card != cards_.cend(); ++card) {
        if (!visible.contains(card.key())) {
            card.value()->hide();
            listLayout_->removeWidget(card.value());
        }
    }
    for (qsizetype index = 0; index < shown.size(); ++index) {
        ClipboardEntryCard* card = cards_.value(shown[index].id);
        if (listLayout_->indexOf(card) != index) {
            listLayout_->removeWidget(card);
            listLayout_->insertWidget(int(index), card);
        }
        card->setCopied(copiedID_ == shown[index].id);
        card->show();
    }
    empty_->setVisible(shown.isEmpty());
    list_->setVisible(!shown.isEmpty());
    syncControls();
}

void ClipboardPage::copy(const ClipboardEntry& entry) {
    if (!service_.copy(entry)) {
        return;
    }
    copiedID_ = entry.id;
    for (ClipboardEntryCard* card : std::as_const(cards_)) {
        card->setCopied(card->entry().id == entry.id);
    }
}

}  // namespace tundle
