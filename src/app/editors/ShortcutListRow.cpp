#include "editors/ShortcutListRow.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "accessories/ShortcutIconImage.h"
#include "companion/ShortcutService.h"
#include "drawing/SymbolImage.h"
#include "model/AppModel.h"
#include "support/Uuid.h"
#include "toolkit/Colors.h"
#include "toolkit/FocusRing.h"
#include "toolkit/ToolkitStyle.h"
#include "toolkit/Typography.h"

namespace tundle {

namespace {

constexpr int padding = 12;
constexpr int spacing = 12;
constexpr int iconSide = 27;
constexpr int dotSide = 7;
constexpr int pinSide = 22;
constexpr int menuWidth = 22;
constexpr int lineGap = 3;

const QFont& nameFont() {
    static const QFont font = Typography::font(TextSize::control, FontWeight::medium);
    return font;
}

const QFont& warningFont() {
    static const QFont font = Typography::font(TextSize::caption);
    return font;
}

void drawSymbol(QPainter& painter, const QRectF& rect, const QString& name, const QColor& tint,
                qreal ratio) {
    const QSize pixels = (rect.size() * ratio).toSize();
    painter.drawImage(rect, SymbolImage::render(name, pixels, tint));
}

}  // namespace

ShortcutListRow::ShortcutListRow(ShortcutItem item, AppModel& model, ShortcutService& service,
                                 QWidget* parent)
    : QWidget(parent), item_(std::move(item)), model_(model), service_(service) {
    setAcceptDrops(true);
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void ShortcutListRow::setItem(const ShortcutItem& item) {
    if (item == item_) {
        return;
    }
    const bool taller = showsMissingTarget();
    if (item.kind != item_.kind || item.target != item_.target) {
        icon_ = QPixmap();
    }
    item_ = item;
    if (taller != showsMissingTarget()) {
        updateGeometry();
    }
    update();
}

bool ShortcutListRow::showsMissingTarget() const {
    return item_.kind != ShortcutKind::website && item_.target.isEmpty();
}

QSize ShortcutListRow::sizeHint() const {
    static const int oneLine = int(std::ceil(QFontMetricsF(nameFont()).height()));
    static const int twoLines =
        oneLine + lineGap + int(std::ceil(QFontMetricsF(warningFont()).height()));
    const int content = std::max(iconSide, showsMissingTarget() ? twoLines : oneLine);
    return {320, content + 2 * padding};
}

QRect ShortcutListRow::partRect(Part part) const {
    const int middle = height() / 2;
    const int menuLeft = width() - padding - menuWidth;
    const int pinLeft = menuLeft - spacing - pinSide;
    const int dotLeft = pinLeft - spacing - dotSide;
    switch (part) {
        case Part::menu:
            return {menuLeft, middle - 11, menuWidth, 22};
        case Part::pin:
            return {pinLeft, middle - pinSide / 2, pinSide, pinSide};
        case Part::dot:
            return {dotLeft, middle - dotSide / 2, dotSide, dotSide};
        case Part::main:
            break;
    }
    return {padding, padding, std::max(dotLeft - spacing - padding, 0), height() - 2 * padding};
}

QString ShortcutListRow::partToolTip(Part part) const {
    switch (part) {
        case Part::main:
            return QStringLiteral("编辑 ") + item_.name;
        case Part::dot:
            return title(item_.color());
        case Part::pin:
            return item_.pinned ? QStringLiteral("取消桌面置顶") : QStringLiteral("置顶到桌面");
        case Part::menu:
            return QStringLiteral("更多操作");
    }
    return {};
}

QMenu* ShortcutListRow::menu() {
    if (menu_) {
        return menu_;
    }
    menu_ = new QMenu(this);
    menu_->addAction(QStringLiteral("编辑"), this, &ShortcutListRow::editRequested);
    menu_->addAction(QStringLiteral("打开"), this, &ShortcutListRow::open);
    QMenu* groups = menu_->addMenu(QStringLiteral("移到分组"));
    connect(groups, &QMenu::aboutToShow, this, [this, groups] { fillGroupMenu(groups); });
    fillGroupMenu(groups);
    menu_->addSeparator();
    QAction* remove =
        menu_->addAction(QStringLiteral("删除"), this, [this] { service_.deleteItem(item_.id); });
    ToolkitStyle::markDestructive(*remove);
    connect(menu_, &QMenu::aboutToHide, this,
            [this] { setHovering(rect().contains(mapFromGlobal(QCursor::pos()))); });
    return menu_;
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
        update();
    }
}

bool ShortcutListRow::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        for (Part part : {Part::main, Part::dot, Part::pin, Part::menu}) {
            if (partRect(part).contains(help->pos()) && (part != Part::menu || hovering_)) {
                QToolTip::showText(help->globalPos(), partToolTip(part), this, partRect(part));
                return true;
            }
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QWidget::event(event);
}

void ShortcutListRow::enterEvent(QEnterEvent*) {
    setHovering(true);
}

void ShortcutListRow::leaveEvent(QEvent*) {
    // The open menu keeps the row as it was while the pointer is over the menu.
    if (!menu_ || !menu_->isVisible()) {
        setHovering(false);
    }
}

const QPixmap& ShortcutListRow::icon() {
    if (icon_.isNull()) {
        const qreal ratio = devicePixelRatioF();
        const QSize pixels = QSize(iconSide, iconSide) * ratio;
        QImage picture = ShortcutIconImage::render(item_, pixels, Colors::accent());
        if (picture.isNull()) {
            picture = SymbolImage::render(symbol(item_.kind), pixels, Colors::accent());
        }
        // Nothing is drawn until there is a picture.
        if (!picture.isNull()) {
            icon_ = QPixmap::fromImage(
                picture.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation));
            icon_.setDevicePixelRatio(ratio);
        }
    }
    return icon_;
}

void ShortcutListRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                           QPainter::TextAntialiasing);
    const qreal ratio = devicePixelRatioF();
    if (hovering_) {
        QPainterPath shape;
        shape.addRoundedRect(QRectF(rect()), 12, 12);
        painter.fillPath(shape, Colors::withOpacity(Colors::accent(), 0.045));
    }

    const QRect main = partRect(Part::main);
    const QPixmap& picture = icon();
    const QSizeF shown = QSizeF(picture.size()) / ratio;
    painter.drawPixmap(QRectF(QPointF(main.left() + (iconSide - shown.width()) / 2,
                                      height() / 2.0 - shown.height() / 2),
                              shown),
                       picture, QRectF(picture.rect()));

    const int textLeft = main.left() + iconSide + spacing;
    const int textWidth = std::max(main.right() - textLeft, 0);
    const QFontMetricsF nameMetrics(nameFont());
    const QFontMetricsF warningMetrics(warningFont());
    const bool warning = showsMissingTarget();
    double top = height() / 2.0 -
                 (nameMetrics.height() + (warning ? lineGap + warningMetrics.height() : 0)) / 2;
    painter.setFont(nameFont());
    painter.setPen(Colors::ink());
    painter.drawText(QRectF(textLeft, top, textWidth, nameMetrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     nameMetrics.elidedText(item_.name, Qt::ElideRight, textWidth));
    if (warning) {
        top += nameMetrics.height() + lineGap;
        painter.setFont(warningFont());
        painter.setPen(Colors::accent());
        painter.drawText(QRectF(textLeft, top, textWidth, warningMetrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         QStringLiteral("需重新选择本机目标"));
    }

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(rgb(item_.color())));
    painter.drawEllipse(QRectF(partRect(Part::dot)));

    const QRectF pin = QRectF(partRect(Part::pin)).adjusted(3, 3, -3, -3);
    drawSymbol(painter, pin, item_.pinned ? QStringLiteral("pin.fill") : QStringLiteral("pin"),
               item_.pinned ? Colors::accent() : Colors::muted(), ratio);
    const bool ring = FocusRing::shown(*this);
    if (hovering_ || ring) {
        const QRectF menu = QRectF(partRect(Part::menu)).adjusted(3, 3, -3, -3);
        drawSymbol(painter, menu, QStringLiteral("ellipsis"), Colors::ink(), ratio);
    }
    if (ring) {
        const QRect part = partRect(focused_);
        FocusRing::draw(painter,
                        focused_ == Part::main ? QRectF(part).adjusted(-6, -6, 6, 6) : QRectF(part),
                        focused_ == Part::main ? 8 : 6);
    }
}

void ShortcutListRow::focusInEvent(QFocusEvent* event) {
    if (event->reason() == Qt::TabFocusReason) {
        focused_ = Part::main;
    } else if (event->reason() == Qt::BacktabFocusReason) {
        focused_ = Part::menu;
    }
    update();
    QWidget::focusInEvent(event);
}

void ShortcutListRow::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

bool ShortcutListRow::focusNextPrevChild(bool next) {
    static constexpr Part order[] = {Part::main, Part::pin, Part::menu};
    const auto at = std::find(std::begin(order), std::end(order), focused_) - std::begin(order);
    const auto to = at + (next ? 1 : -1);
    if (hasFocus() && to >= 0 && to < std::ssize(order)) {
        focused_ = order[to];
        update();
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void ShortcutListRow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            press(focused_);
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void ShortcutListRow::press(Part part) {
    switch (part) {
        case Part::main:
            emit editRequested();
            return;
        case Part::pin:
            service_.setPinned(item_.id, !item_.pinned);
            return;
        case Part::menu:
            showMenu();
            return;
        case Part::dot:
            return;
    }
}

void ShortcutListRow::showMenu() {
    QMenu* shown = menu();
    shown->popup(mapToGlobal(partRect(Part::menu).bottomLeft()));
    if (!shown->actions().isEmpty()) {
        shown->setActiveAction(shown->actions().constFirst());
    }
}

void ShortcutListRow::mousePressEvent(QMouseEvent* event) {
    pressed_.reset();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    pressedAt_ = event->position().toPoint();
    for (Part part : {Part::main, Part::pin, Part::menu}) {
        if (partRect(part).contains(pressedAt_) && (part != Part::menu || hovering_)) {
            pressed_ = part;
        }
    }
    if (pressed_ == Part::menu) {
        pressed_.reset();
        menu()->popup(mapToGlobal(partRect(Part::menu).bottomLeft()));
    }
}

void ShortcutListRow::mouseMoveEvent(QMouseEvent* event) {
    setHovering(true);
    if (pressed_ == Part::main && (event->position().toPoint() - pressedAt_).manhattanLength() >=
                                      QApplication::startDragDistance()) {
        pressed_.reset();
        startDrag();
    }
}

void ShortcutListRow::mouseReleaseEvent(QMouseEvent* event) {
    const auto pressed = std::exchange(pressed_, std::nullopt);
    if (!pressed || !partRect(*pressed).contains(event->position().toPoint())) {
        return;
    }
    press(*pressed);
}

QMimeData* ShortcutListRow::dragData(const QUuid& id) {
    auto* data = new QMimeData;
    data->setText(uuidText(id));
    return data;
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
    drag->setPixmap(grab(partRect(Part::main)));
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
