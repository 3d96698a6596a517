#include "editors/ShortcutListRow.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QToolButton>
#include <QVBoxLayout>

#include "accessories/ShortcutIconImage.h"
#include "companion/ShortcutService.h"
#include "drawing/SymbolImage.h"
#include "editors/SymbolIcon.h"
#include "model/AppModel.h"
#include "support/Uuid.h"
#include "toolkit/Colors.h"
#include "toolkit/Typography.h"

namespace tundle {

namespace {

constexpr int iconSide = 27;

// A button drawn only by what it holds.
class PlainButton : public QAbstractButton {
public:
    explicit PlainButton(QWidget* parent) : QAbstractButton(parent) {}

protected:
    void paintEvent(QPaintEvent*) override {}
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

class TagDot : public QWidget {
public:
    explicit TagDot(QWidget* parent) : QWidget(parent) { setFixedSize(7, 7); }
    void setColor(QColor color) {
        color_ = color;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(color_);
        painter.drawEllipse(rect());
    }

private:
    QColor color_;
};

QLabel* passiveLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

}  // namespace

ShortcutListRow::ShortcutListRow(ShortcutItem item, AppModel& model, ShortcutService& service,
                                 QWidget* parent)
    : QWidget(parent),
      item_(std::move(item)),
      model_(model),
      service_(service),
      main_(new PlainButton(this)),
      icon_(passiveLabel(main_)),
      name_(passiveLabel(main_)),
      missing_(passiveLabel(main_)),
      dot_(new TagDot(this)),
      pin_(new QToolButton(this)),
      menuButton_(new QToolButton(this)),
      menu_(new QMenu(this)) {
    setAcceptDrops(true);
    icon_->setFixedSize(iconSide, iconSide);
    name_->setFont(Typography::font(13, FontWeight::medium));
    missing_->setText(QStringLiteral("需重新选择本机目标"));
    missing_->setFont(Typography::font(10));
    QPalette warning = missing_->palette();
    warning.setColor(QPalette::WindowText, Colors::accent());
    missing_->setPalette(warning);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(3);
    texts->addWidget(name_);
    texts->addWidget(missing_);
    auto* mainLayout = new QHBoxLayout(main_);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    mainLayout->setSpacing(12);
    mainLayout->addWidget(icon_);
    mainLayout->addLayout(texts, 1);
    main_->setCursor(Qt::PointingHandCursor);
    main_->installEventFilter(this);

    pin_->setAutoRaise(true);
    menuButton_->setAutoRaise(true);
    menuButton_->setFixedWidth(22);
    menuButton_->setPopupMode(QToolButton::InstantPopup);
    menuButton_->setIcon(symbolIcon(QStringLiteral("ellipsis"), Colors::muted()));
    menuButton_->setMenu(menu_);
    menuButton_->setToolTip(QStringLiteral("更多操作"));
    QSizePolicy keepPlace = menuButton_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    menuButton_->setSizePolicy(keepPlace);
    menuButton_->hide();

    menu_->addAction(QStringLiteral("编辑"), this, &ShortcutListRow::editRequested);
    menu_->addAction(QStringLiteral("打开"), this, &ShortcutListRow::open);
    QMenu* groups = menu_->addMenu(QStringLiteral("移到分组"));
    connect(groups, &QMenu::aboutToShow, this, [this, groups] { fillGroupMenu(groups); });
    fillGroupMenu(groups);
    menu_->addSeparator();
    menu_->addAction(QStringLiteral("删除"), this, [this] { service_.deleteItem(item_.id); });

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(12);
    layout->addWidget(main_, 1);
    layout->addWidget(dot_);
    layout->addWidget(pin_);
    layout->addWidget(menuButton_);

    connect(main_, &QAbstractButton::clicked, this, &ShortcutListRow::editRequested);
    connect(pin_, &QAbstractButton::clicked, this,
            [this] { service_.setPinned(item_.id, !item_.pinned); });
    present();
}

void ShortcutListRow::setItem(const ShortcutItem& item) {
    if (item != item_) {
        item_ = item;
        present();
    }
}

void ShortcutListRow::present() {
    name_->setText(item_.name);
    main_->setToolTip(QStringLiteral("编辑 ") + item_.name);
    missing_->setVisible(item_.kind != ShortcutKind::website && item_.target.isEmpty());

    const qreal ratio = devicePixelRatioF();
    const QSize pixels = QSize(iconSide, iconSide) * ratio;
    QImage picture = ShortcutIconImage::render(item_, pixels, Colors::accent());
    if (picture.isNull()) {
        picture = SymbolImage::render(symbol(item_.kind), pixels, Colors::accent());
    }
    QPixmap icon =
        QPixmap::fromImage(picture.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    icon.setDevicePixelRatio(ratio);
    icon_->setPixmap(icon);

    static_cast<TagDot*>(dot_)->setColor(QColor(rgb(item_.color())));
    dot_->setToolTip(title(item_.color()));

    pin_->setIcon(item_.pinned ? symbolIcon(QStringLiteral("pin.fill"), Colors::accent())
                               : symbolIcon(QStringLiteral("pin"), Colors::muted()));
    pin_->setToolTip(item_.pinned ? QStringLiteral("取消桌面置顶") : QStringLiteral("置顶到桌面"));
}

void ShortcutListRow::fillGroupMenu(QMenu* groups) {
    groups->clear();
    groups->addAction(QStringLiteral("未分组"), this,
                      [this] { service_.assign(item_.id, std::nullopt); });
    for (const ShortcutGroup& group : service_.groups()) {
        QString title = group.name;
        groups->addAction(title.replace(u'&', QStringLiteral("&&")), this,
                          [this, id = group.id] { service_.assign(item_.id, id); });
    }
}

void ShortcutListRow::open() {
    model_.openShortcutFromSettings(item_, [service = QPointer<ShortcutService>(&service_)](
                                               const std::optional<QString>& message) {
        if (service) {
            service->setError(message);
        }
    });
}

void ShortcutListRow::setHovering(bool hovering) {
    if (hovering != hovering_) {
        hovering_ = hovering;
        menuButton_->setVisible(hovering);
        update();
    }
}

void ShortcutListRow::enterEvent(QEnterEvent*) {
    setHovering(true);
}

void ShortcutListRow::leaveEvent(QEvent*) {
    // The open menu keeps the row as it was while the pointer is over the menu.
    if (!menu_->isVisible()) {
        setHovering(false);
    }
}

void ShortcutListRow::paintEvent(QPaintEvent*) {
    if (!hovering_) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), 12, 12);
    painter.fillPath(shape, Colors::withOpacity(Colors::accent(), 0.045));
}

QMimeData* ShortcutListRow::dragData(const QUuid& id) {
    auto* data = new QMimeData;
    data->setText(uuidText(id));
    return data;
}

bool ShortcutListRow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == main_) {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            pressed_ = mouse->button() == Qt::LeftButton;
            pressedAt_ = mouse->position().toPoint();
        } else if (event->type() == QEvent::MouseButtonRelease) {
            pressed_ = false;
        } else if (event->type() == QEvent::MouseMove && pressed_) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if ((mouse->position().toPoint() - pressedAt_).manhattanLength() >=
                QApplication::startDragDistance()) {
                pressed_ = false;
                main_->setDown(false);
                startDrag();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ShortcutListRow::dragStarting() {
    if (drag_.started) {
        drag_.started(item_.id);
    }
}

void ShortcutListRow::dragFinished() {
    if (drag_.ended) {
        drag_.ended();
    }
    setHovering(rect().contains(mapFromGlobal(QCursor::pos())));
}

void ShortcutListRow::startDrag() {
    dragStarting();
    auto* drag = new QDrag(this);
    drag->setMimeData(dragData(item_.id));
    drag->setPixmap(main_->grab());
    const QPointer<ShortcutListRow> self(this);
    drag->exec(Qt::MoveAction | Qt::CopyAction);
    if (self) {
        self->dragFinished();
    }
}

void ShortcutListRow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasText()) {
        event->acceptProposedAction();
    }
}

void ShortcutListRow::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasText()) {
        event->acceptProposedAction();
    }
}

void ShortcutListRow::dropEvent(QDropEvent* event) {
    if (drag_.dropped && drag_.dropped(item_.id)) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

}  // namespace tundle
