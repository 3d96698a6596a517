#include "controlcentre/TrashCard.h"

#include <QDragEnterEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "controlcentre/FeedingDrop.h"
#include "model/AppModel.h"

namespace tundle {

namespace {

const QString initialSummary = QStringLiteral("把文件拖到桌面上的糯墩，喂它吃一口。");

}  // namespace

TrashCard::TrashCard(AppModel& model, TrashService& service, QWidget* parent)
    : QWidget(parent),
      model_(model),
      service_(service),
      title_(new QLabel),
      summary_(new QLabel),
      undoRow_(new QWidget),
      undoName_(new QLabel) {
    setAcceptDrops(true);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(18, 18, 18, 18);
    column->setSpacing(12);

    auto* top = new QHBoxLayout;
    top->setSpacing(14);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(5);
    texts->addWidget(title_);
    summary_->setTextFormat(Qt::PlainText);
    summary_->setWordWrap(true);
    texts->addWidget(summary_);
    top->addLayout(texts, 1);
    top->addSpacing(4);
    auto* demo = new QPushButton(QStringLiteral("体验投喂"));
    demo->setToolTip(QStringLiteral("生成一份临时演示文件，移入系统废纸篓"));
    connect(demo, &QAbstractButton::clicked, this, [this] { model_.demonstrateTrash(); });
    top->addWidget(demo);
    column->addLayout(top);

    auto* undo = new QHBoxLayout(undoRow_);
    undo->setContentsMargins(0, 0, 0, 0);
    undoName_->setTextFormat(Qt::PlainText);
    undo->addWidget(undoName_, 1);
    auto* undoButton = new QPushButton(QStringLiteral("撤销最近投喂"));
    undoButton->setFlat(true);
    connect(undoButton, &QAbstractButton::clicked, this, [this] { model_.undoLastTrash(); });
    undo->addWidget(undoButton);
    column->addWidget(undoRow_);

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
        undoName_->setText(service_.receipts().first().filename());
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
    QWidget::paintEvent(event);
    if (!targeted_) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xF2, 0x8C, 0x38), 2));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 19, 19);
}

}  // namespace tundle
