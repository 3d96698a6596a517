#include "controlcentre/TrashCard.h"

#include <QDragEnterEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "controlcentre/FeedingDrop.h"
#include "model/AppModel.h"
#include "toolkit/Colors.h"
#include "toolkit/MiddleElidedText.h"
#include "toolkit/PlainButton.h"
#include "toolkit/SettingsHelp.h"
#include "toolkit/SoftButton.h"
#include "toolkit/Spacing.h"
#include "toolkit/StyledText.h"
#include "toolkit/SymbolView.h"
#include "toolkit/TextBlock.h"
#include "toolkit/Typography.h"

namespace tundle {

namespace {

const QString initialSummary = QStringLiteral("把文件拖到桌面上的糯墩，喂它吃一口。");

constexpr double outlineRadius = 19;

}  // namespace

TrashCard::TrashCard(AppModel& model, TrashService& service, QWidget* parent)
    : Paper(18, parent),
      model_(model),
      service_(service),
      title_(StyledText::label({}, TextSize::emphasis, Colors::ink(), FontWeight::semibold)),
      summary_(StyledText::make({}, TextSize::footnote, Colors::muted())),
      undoRow_(new QWidget),
      undoName_(new MiddleElidedText) {
    setAcceptDrops(true);
    content().setSpacing(Spacing::regular);

    auto* top = new QHBoxLayout;
    top->setSpacing(14);
    auto* tile = new SymbolView(QStringLiteral("tray.and.arrow.down.fill"), 22, Colors::accent());
    tile->setTile(QSize(44, 44), Colors::withOpacity(Colors::accent(), 0.08), 13);
    top->addWidget(tile);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(Spacing::tight);
    auto* heading = new QHBoxLayout;
    heading->setSpacing(3);
    heading->addWidget(title_, 0, Qt::AlignVCenter);
    heading->addWidget(
        new SettingsHelp(
            QStringLiteral("文件小食堂"),
            QStringLiteral(
                "把文件拖到桌宠或这里，会移入系统废纸篓。本次运行内可撤销最近投喂；退出后仍可"
                "从废纸篓找回。体验投喂会用临时文件演示。")),
        0, Qt::AlignVCenter);
    heading->addStretch();
    texts->addLayout(heading);
    summary_->setMaximumLines(2);
    texts->addWidget(summary_);
    top->addLayout(texts, 1);
    top->addSpacing(4);
    auto* demo = new SoftButton(QStringLiteral("体验投喂"));
    demo->setToolTip(QStringLiteral("生成一份临时演示文件，移入系统废纸篓"));
    connect(demo, &QAbstractButton::clicked, this, [this] { model_.demonstrateTrash(); });
    top->addWidget(demo, 0, Qt::AlignVCenter);
    content().addLayout(top);

    auto* undo = new QHBoxLayout(undoRow_);
    undo->setContentsMargins(0, 0, 0, 0);
    undo->addWidget(new SymbolView(QStringLiteral("arrow.uturn.backward"), 11, Colors::muted()));
    undoName_->setFont(Typography::font(TextSize::footnote));
    undo->addWidget(undoName_, 1);
    auto* undoButton =
        new PlainButton(QStringLiteral("撤销最近投喂"), TextSize::footnote, Colors::accent());
    connect(undoButton, &QAbstractButton::clicked, this, [this] { model_.undoLastTrash(); });
    undo->addWidget(undoButton);
    content().addWidget(undoRow_);

    connect(&model_, &AppModel::lastTrashSummaryChanged, this, &TrashCard::sync);
    connect(&model_, &AppModel::canUndoTrashChanged, this, &TrashCard::sync);
    connect(&service_, &TrashService::receiptsChanged, this, &TrashCard::sync);
    sync();
}

void TrashCard::setTargeted(bool targeted) {
    if (targeted_ != targeted) {
        targeted_ = targeted;
        sync();
        update();
    }
}

void TrashCard::sync() {
    title_->setText(targeted_ ? QStringLiteral("松手，糯墩开饭啦。")
                              : QStringLiteral("文件小食堂"));
    summary_->setText(model_.lastTrashSummary());
    summary_->setVisible(model_.lastTrashSummary() != initialSummary);
    const bool undoable = !service_.receipts().isEmpty() && model_.canUndoTrash();
    undoRow_->setVisible(undoable);
    if (undoable) {
        undoName_->setFullText(service_.receipts().first().filename());
    }
}

void TrashCard::dragEnterEvent(QDragEnterEvent* event) {
    if (!FeedingDrop::targets(FeedingDrop::items(event->mimeData()))) {
        event->ignore();
        return;
    }
    setTargeted(true);
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void TrashCard::dragLeaveEvent(QDragLeaveEvent* event) {
    setTargeted(false);
    event->accept();
}

void TrashCard::dropEvent(QDropEvent* event) {
    setTargeted(false);
    const std::optional<QList<QUrl>> files =
        FeedingDrop::files(FeedingDrop::items(event->mimeData()));
    if (!files) {
        event->setDropAction(Qt::IgnoreAction);
        event->ignore();
        return;
    }
    // Reported as a copy, so a source that deletes moved originals never loses what the feeding
    // refused.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    model_.eatFiles(*files, false);
}

void TrashCard::paintEvent(QPaintEvent* event) {
    Paper::paintEvent(event);
    if (!targeted_) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Colors::accent(), 2));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), outlineRadius - 1,
                            outlineRadius - 1);
}

}  // namespace tundle
