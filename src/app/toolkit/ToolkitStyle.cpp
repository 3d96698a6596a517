#include "toolkit/ToolkitStyle.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolButton>
#include <algorithm>

#include "drawing/InterfaceFont.h"
#include "drawing/SymbolImage.h"
#include "toolkit/Colors.h"
#include "toolkit/ComboRowDelegate.h"
#include "toolkit/FocusRing.h"
#include "toolkit/LightPalette.h"

namespace tundle {

namespace {

const char* const destructiveProperty = "tundleDestructive";

constexpr int indicatorSide = 16;
constexpr int spinButtonWidth = 18;
constexpr int comboArrowWidth = 26;
constexpr int fieldPadding = 8;
constexpr int menuItemHeight = 26;
constexpr int menuPadding = 10;
constexpr int checkColumn = 18;
constexpr int submenuColumn = 14;
constexpr double buttonRadius = 9;
constexpr int scrollBarExtent = 10;
constexpr int scrollSliderMinimum = 24;
constexpr int calendarArrowSide = 14;

bool keyboardFocus(const QStyleOption* option) {
    return (option->state & QStyle::State_HasFocus) &&
           (option->state & QStyle::State_KeyboardFocusChange);
}

bool enabled(const QStyleOption* option) {
    return option->state & QStyle::State_Enabled;
}

enum class Direction { up, down, right };

void drawChevron(QPainter* painter, QPointF centre, double half, Direction direction,
                 const QColor& color) {
    QPainterPath path;
    switch (direction) {
        case Direction::up:
            path.moveTo(centre + QPointF(-half, half / 2));
            path.lineTo(centre + QPointF(0, -half / 2));
            path.lineTo(centre + QPointF(half, half / 2));
            break;
        case Direction::down:
            path.moveTo(centre + QPointF(-half, -half / 2));
            path.lineTo(centre + QPointF(0, half / 2));
            path.lineTo(centre + QPointF(half, -half / 2));
            break;
        case Direction::right:
            path.moveTo(centre + QPointF(-half / 2, -half));
            path.lineTo(centre + QPointF(half / 2, 0));
            path.lineTo(centre + QPointF(-half / 2, half));
            break;
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(color, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->drawPath(path);
    painter->restore();
}

void drawCheckMark(QPainter* painter, const QRectF& box, const QColor& color) {
    QPainterPath path;
    path.moveTo(box.left() + box.width() * 0.22, box.top() + box.height() * 0.52);
    path.lineTo(box.left() + box.width() * 0.42, box.top() + box.height() * 0.72);
    path.lineTo(box.left() + box.width() * 0.78, box.top() + box.height() * 0.30);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(color, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->drawPath(path);
    painter->restore();
}

// The white rounded field of text fields, drop-downs and spin boxes; `ring` draws the accent
// ring of the focused field over its edge.
void drawField(QPainter* painter, const QStyleOption* option, bool ring) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool on = enabled(option);
    painter->setBrush(on ? QColor(Qt::white) : Colors::grey(0.97));
    const bool hovered = on && (option->state & QStyle::State_MouseOver);
    painter->setPen(QPen(Colors::grey(0, hovered ? 0.24 : 0.14), 1));
    painter->drawRoundedRect(frame, ToolkitStyle::fieldRadius, ToolkitStyle::fieldRadius);
    painter->restore();
    if (ring) {
        FocusRing::draw(*painter, option->rect, ToolkitStyle::fieldRadius);
    }
}

QColor arrowColor(bool on, bool pressed) {
    if (!on) {
        return Colors::withOpacity(Colors::muted(), 0.35);
    }
    return pressed ? Colors::accent() : Colors::muted();
}

// One of our symbols as an icon, sharp on ordinary and on doubled screens.
QIcon symbolIcon(const QString& name, int side, const QColor& tint) {
    QIcon icon;
    for (const int ratio : {1, 2}) {
        QPixmap pixmap =
            QPixmap::fromImage(SymbolImage::render(name, QSize(side, side) * ratio, tint));
        pixmap.setDevicePixelRatio(ratio);
        icon.addPixmap(pixmap);
    }
    return icon;
}

bool hasCalendarPopup(const QWidget* widget) {
    const auto* edit = qobject_cast<const QDateTimeEdit*>(widget);
    return edit && edit->calendarPopup();
}

bool embeddedInField(const QWidget* widget) {
    return widget && (qobject_cast<const QComboBox*>(widget->parentWidget()) ||
                      qobject_cast<const QAbstractSpinBox*>(widget->parentWidget()));
}

// The controls whose value the wheel turns; a scroll bar is not one, scrolling is its purpose.
bool turnedByWheel(const QObject* object) {
    return (qobject_cast<const QAbstractSlider*>(object) &&
            !qobject_cast<const QScrollBar*>(object)) ||
           qobject_cast<const QComboBox*>(object) || qobject_cast<const QAbstractSpinBox*>(object);
}

}  // namespace

ToolkitStyle::ToolkitStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void ToolkitStyle::install() {
    QApplication::setStyle(new ToolkitStyle);
    QApplication::setPalette(LightPalette::palette());
    // Qt's own controls and menus write in the interface face at the desktop's size. The
    // desktop's face often lacks Chinese, and the face Qt falls back on for it may be the
    // Japanese cut, whose characters differ in shape, and which costs a face of its own.
    QFont font = QApplication::font();
    font.setFamilies({interfaceFamily()});
    QApplication::setFont(font);
}

void ToolkitStyle::markDestructive(QObject& buttonOrAction) {
    buttonOrAction.setProperty(destructiveProperty, true);
}

bool ToolkitStyle::isDestructive(const QObject* buttonOrAction) {
    return buttonOrAction && buttonOrAction->property(destructiveProperty).toBool();
}

QPalette ToolkitStyle::standardPalette() const {
    return LightPalette::palette();
}

void ToolkitStyle::polish(QWidget* widget) {
    QProxyStyle::polish(widget);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        // Qt's own rows for a drop-down's list are plain item-view rows.
        if (!qobject_cast<ComboRowDelegate*>(combo->itemDelegate())) {
            combo->setItemDelegate(new ComboRowDelegate(*combo));
        }
    }
    if (auto* calendar = qobject_cast<QCalendarWidget*>(widget)) {
        // Every calendar of the application, the diary's and the date fields' own, starts its
        // weeks on Monday as Chinese calendars do (the Chinese locale says Sunday), and turns
        // its months with the chevrons of the day buttons instead of Qt's coloured arrows.
        calendar->setFirstDayOfWeek(Qt::Monday);
        const std::pair<const char*, const char*> arrows[] = {
            {"qt_calendar_prevmonth", "chevron.left"}, {"qt_calendar_nextmonth", "chevron.right"}};
        for (const auto& [button, symbol] : arrows) {
            if (auto* arrow = calendar->findChild<QToolButton*>(QLatin1String(button))) {
                // Drawn over the month's title bar, in the colour of the title.
                arrow->setIcon(symbolIcon(QLatin1String(symbol), calendarArrowSide,
                                          calendar->palette().color(QPalette::HighlightedText)));
            }
        }
    }
    if (!turnedByWheel(widget)) {
        return;
    }
    // A wheel that reached a control would otherwise give it the focus as well.
    if (widget->focusPolicy() == Qt::WheelFocus) {
        widget->setFocusPolicy(Qt::StrongFocus);
    }
    widget->installEventFilter(this);
}

void ToolkitStyle::unpolish(QWidget* widget) {
    widget->removeEventFilter(this);
    QProxyStyle::unpolish(widget);
}

bool ToolkitStyle::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && turnedByWheel(watched) &&
        !static_cast<QWidget*>(watched)->hasFocus()) {
        // Ignored, the wheel travels on to the parents, up to the scrolling page.
        event->ignore();
        return true;
    }
    return QProxyStyle::eventFilter(watched, event);
}

void ToolkitStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    switch (element) {
        case PE_PanelLineEdit: {
            // Inside a drop-down or a spin box the field around it is already drawn.
            if (embeddedInField(widget)) {
                return;
            }
            const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
            if (frame && frame->lineWidth > 0) {
                drawField(painter, option, option->state & State_HasFocus);
            } else {
                painter->fillRect(option->rect, option->palette.base());
            }
            return;
        }
        case PE_FrameLineEdit:
            return;
        case PE_IndicatorCheckBox: {
            painter->save();
            painter->setRenderHint(QPainter::Antialiasing);
            const QRectF box = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
            const bool on = enabled(option);
            const bool marked = option->state & (State_On | State_NoChange);
            if (!on) {
                painter->setOpacity(0.5);
            }
            if (marked) {
                painter->setPen(Qt::NoPen);
                painter->setBrush(option->state & State_Sunken ? Colors::accent().darker(112)
                                                               : Colors::accent());
            } else {
                painter->setPen(QPen(Colors::grey(0, 0.28), 1));
                painter->setBrush(option->state & State_Sunken ? Colors::grey(0.94)
                                                               : QColor(Qt::white));
            }
            painter->drawRoundedRect(box, 4, 4);
            if (option->state & State_On) {
                drawCheckMark(painter, box, Qt::white);
            } else if (option->state & State_NoChange) {
                painter->setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap));
                painter->drawLine(QPointF(box.left() + 4, box.center().y()),
                                  QPointF(box.right() - 4, box.center().y()));
            }
            painter->restore();
            if (keyboardFocus(option)) {
                FocusRing::draw(*painter, QRectF(option->rect).adjusted(-2, -2, 2, 2), 6);
            }
            return;
        }
        case PE_IndicatorRadioButton: {
            painter->save();
            painter->setRenderHint(QPainter::Antialiasing);
            const QRectF disc = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
            if (!enabled(option)) {
                painter->setOpacity(0.5);
            }
            if (option->state & State_On) {
                painter->setPen(Qt::NoPen);
                painter->setBrush(Colors::accent());
                painter->drawEllipse(disc);
                painter->setBrush(Qt::white);
                painter->drawEllipse(disc.center(), disc.width() / 5, disc.height() / 5);
            } else {
                painter->setPen(QPen(Colors::grey(0, 0.28), 1));
                painter->setBrush(Qt::white);
                painter->drawEllipse(disc);
            }
            painter->restore();
            if (keyboardFocus(option)) {
                const QRectF around = QRectF(option->rect).adjusted(-2, -2, 2, 2);
                FocusRing::draw(*painter, around, around.width() / 2);
            }
            return;
        }
        case PE_FrameFocusRect:
            // Buttons and boxes draw their own ring around the part that takes the keys.
            if (qobject_cast<const QAbstractButton*>(widget) && !widget->inherits("QToolButton")) {
                return;
            }
            if (option->state & State_KeyboardFocusChange) {
                FocusRing::draw(*painter, option->rect, 5);
            }
            return;
        case PE_PanelButtonCommand: {
            const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
            const bool primary = button && (button->features & QStyleOptionButton::DefaultButton);
            const bool pressed = option->state & (State_Sunken | State_On);
            painter->save();
            painter->setRenderHint(QPainter::Antialiasing);
            if (!enabled(option)) {
                painter->setOpacity(0.5);
            }
            painter->setPen(Qt::NoPen);
            if (primary) {
                painter->setBrush(Colors::withOpacity(Colors::accent(), pressed ? 0.75 : 1));
            } else {
                painter->setBrush(Colors::grey(0, pressed ? 0.09 : 0.045));
            }
            painter->drawRoundedRect(QRectF(option->rect), buttonRadius, buttonRadius);
            painter->restore();
            if (keyboardFocus(option)) {
                FocusRing::draw(*painter, option->rect, buttonRadius);
            }
            return;
        }
        case PE_PanelButtonTool: {
            const bool pressed = option->state & (State_Sunken | State_On);
            const bool hovered = enabled(option) && (option->state & State_MouseOver);
            if (pressed || hovered) {
                painter->save();
                painter->setRenderHint(QPainter::Antialiasing);
                painter->setPen(Qt::NoPen);
                painter->setBrush(Colors::grey(0, pressed ? 0.09 : 0.045));
                painter->drawRoundedRect(QRectF(option->rect), 6, 6);
                painter->restore();
            }
            return;
        }
        case PE_PanelMenu:
            painter->fillRect(option->rect, Qt::white);
            return;
        case PE_Frame:
            // A drop-down's open list is edged as a menu is.
            if (!widget || !widget->isWindow() ||
                !qobject_cast<const QComboBox*>(widget->parentWidget())) {
                QProxyStyle::drawPrimitive(element, option, painter, widget);
                return;
            }
            [[fallthrough]];
        case PE_FrameMenu:
            painter->save();
            painter->setPen(QPen(Colors::grey(0, 0.14), 1));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5));
            painter->restore();
            return;
        default:
            QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void ToolkitStyle::drawMenuItem(const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (!item) {
        return;
    }
    const QRect rect = item->rect;
    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        painter->fillRect(
            QRect(rect.left() + menuPadding, rect.center().y(), rect.width() - 2 * menuPadding, 1),
            Colors::grey(0, 0.1));
        return;
    }
    if (item->menuItemType == QStyleOptionMenuItem::EmptyArea) {
        return;
    }
    const bool on = enabled(option);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (on && (option->state & State_Selected)) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(Colors::withOpacity(Colors::accent(), 0.14));
        painter->drawRoundedRect(QRectF(rect).adjusted(1, 1, -1, -1), 5, 5);
    }
    const auto* menu = qobject_cast<const QMenu*>(widget);
    const QAction* action = menu ? menu->actionAt(rect.center()) : nullptr;
    QColor color = Colors::ink();
    if (!on) {
        color = Colors::withOpacity(Colors::muted(), 0.55);
    } else if (isDestructive(action)) {
        color = Colors::destructive();
    }

    int x = rect.left() + menuPadding;
    if (item->menuHasCheckableItems) {
        if (item->checked) {
            drawCheckMark(painter, QRectF(x - 2, rect.center().y() - 7, 14, 14), color);
        }
        x += checkColumn;
    }
    if (item->maxIconWidth > 0 && !item->icon.isNull()) {
        const int side = std::min(item->maxIconWidth, 16);
        item->icon.paint(painter, QRect(x, rect.center().y() - side / 2, side, side),
                         Qt::AlignCenter, on ? QIcon::Normal : QIcon::Disabled);
        x += side + 6;
    }
    const int right = rect.right() - menuPadding -
                      (item->menuItemType == QStyleOptionMenuItem::SubMenu ? submenuColumn : 0);
    QString label = item->text;
    QString shortcut;
    if (const qsizetype tab = label.indexOf(u'\t'); tab >= 0) {
        shortcut = label.mid(tab + 1);
        label = label.left(tab);
    }
    painter->setFont(item->font);
    painter->setPen(color);
    const int flags = Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextHideMnemonic;
    painter->drawText(QRect(x, rect.top(), right - x, rect.height()), flags | Qt::AlignLeft, label);
    if (!shortcut.isEmpty()) {
        painter->setPen(on ? Colors::muted() : color);
        painter->drawText(QRect(x, rect.top(), right - x, rect.height()), flags | Qt::AlignRight,
                          shortcut);
    }
    if (item->menuItemType == QStyleOptionMenuItem::SubMenu) {
        drawChevron(painter, QPointF(rect.right() - menuPadding - 3, rect.center().y() + 0.5), 3.5,
                    Direction::right, on ? Colors::muted() : color);
    }
    painter->restore();
}

void ToolkitStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    switch (element) {
        case CE_MenuItem:
            drawMenuItem(option, painter, widget);
            return;
        case CE_MenuEmptyArea:
            return;
        case CE_PushButtonLabel: {
            const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
            if (!button) {
                break;
            }
            QStyleOptionButton label = *button;
            QColor text = Colors::ink();
            if (button->features & QStyleOptionButton::DefaultButton) {
                text = Qt::white;
            } else if (isDestructive(widget)) {
                text = Colors::destructive();
            }
            label.palette.setColor(QPalette::ButtonText, text);
            label.palette.setColor(QPalette::Disabled, QPalette::ButtonText,
                                   Colors::withOpacity(text, 0.5));
            QProxyStyle::drawControl(element, &label, painter, widget);
            return;
        }
        default:
            break;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void ToolkitStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const {
    if (control == CC_SpinBox) {
        if (const auto* spin = qstyleoption_cast<const QStyleOptionSpinBox*>(option)) {
            if (spin->frame) {
                drawField(painter, option, option->state & State_HasFocus);
            }
            if (spin->buttonSymbols == QAbstractSpinBox::NoButtons) {
                return;
            }
            const bool on = enabled(option);
            const bool sunken = option->state & State_Sunken;
            const QRect up = subControlRect(CC_SpinBox, spin, SC_SpinBoxUp, widget);
            const QRect down = subControlRect(CC_SpinBox, spin, SC_SpinBoxDown, widget);
            drawChevron(painter, QRectF(up).center() + QPointF(0, 1), 3.5, Direction::up,
                        arrowColor(on && (spin->stepEnabled & QAbstractSpinBox::StepUpEnabled),
                                   sunken && spin->activeSubControls == SC_SpinBoxUp));
            drawChevron(painter, QRectF(down).center() - QPointF(0, 1), 3.5, Direction::down,
                        arrowColor(on && (spin->stepEnabled & QAbstractSpinBox::StepDownEnabled),
                                   sunken && spin->activeSubControls == SC_SpinBoxDown));
            return;
        }
    }
    if (control == CC_ScrollBar) {
        if (const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option)) {
            // A thin rounded thumb and no arrows: the track stays the page's own ground.
            const QRectF thumb =
                QRectF(subControlRect(CC_ScrollBar, bar, SC_ScrollBarSlider, widget))
                    .adjusted(2, 2, -2, -2);
            const bool active = (bar->activeSubControls & SC_ScrollBarSlider) &&
                                (option->state & (State_MouseOver | State_Sunken));
            painter->save();
            painter->setRenderHint(QPainter::Antialiasing);
            painter->setPen(Qt::NoPen);
            painter->setBrush(Colors::withOpacity(Colors::muted(), active ? 0.6 : 0.35));
            const double radius = std::min(thumb.width(), thumb.height()) / 2;
            painter->drawRoundedRect(thumb, radius, radius);
            painter->restore();
            return;
        }
    }
    if (control == CC_ComboBox) {
        if (const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option)) {
            const bool ring =
                combo->editable ? bool(option->state & State_HasFocus) : keyboardFocus(option);
            if (combo->frame) {
                drawField(painter, option, ring);
            }
            const QRect arrow = subControlRect(CC_ComboBox, combo, SC_ComboBoxArrow, widget);
            drawChevron(painter, QRectF(arrow).center() + QPointF(-2, 0.5), 3.5, Direction::down,
                        arrowColor(enabled(option), option->state & State_Sunken));
            return;
        }
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

QRect ToolkitStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                   SubControl part, const QWidget* widget) const {
    const QRect r = option->rect;
    if (control == CC_SpinBox) {
        if (const auto* spin = qstyleoption_cast<const QStyleOptionSpinBox*>(option)) {
            const bool buttons = spin->buttonSymbols != QAbstractSpinBox::NoButtons;
            const int inner = r.height() - 4;
            const QRect column(r.right() - spinButtonWidth - 1, r.top() + 2, spinButtonWidth,
                               inner);
            switch (part) {
                case SC_SpinBoxFrame:
                    return r;
                case SC_SpinBoxEditField:
                    return r.adjusted(fieldPadding, 2,
                                      buttons ? -(spinButtonWidth + 2) : -fieldPadding, -2);
                case SC_SpinBoxUp:
                    return buttons ? QRect(column.left(), column.top(), spinButtonWidth, inner / 2)
                                   : QRect();
                case SC_SpinBoxDown:
                    return buttons ? QRect(column.left(), column.top() + inner / 2, spinButtonWidth,
                                           inner - inner / 2)
                                   : QRect();
                default:
                    break;
            }
        }
    }
    if (control == CC_ScrollBar) {
        if (const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option)) {
            const bool horizontal = bar->orientation == Qt::Horizontal;
            const int length = horizontal ? r.width() : r.height();
            const qint64 range = qint64(bar->maximum) - bar->minimum;
            int thumb =
                range > 0 ? int(qint64(length) * bar->pageStep / (range + bar->pageStep)) : length;
            thumb = std::clamp(thumb, std::min(length, scrollSliderMinimum), length);
            const int start = sliderPositionFromValue(
                bar->minimum, bar->maximum, bar->sliderPosition, length - thumb, bar->upsideDown);
            const auto span = [&](int from, int size) {
                return horizontal ? QRect(r.left() + from, r.top(), size, r.height())
                                  : QRect(r.left(), r.top() + from, r.width(), size);
            };
            switch (part) {
                case SC_ScrollBarAddLine:
                case SC_ScrollBarSubLine:
                    return {};
                case SC_ScrollBarGroove:
                    return r;
                case SC_ScrollBarSlider:
                    return span(start, thumb);
                case SC_ScrollBarSubPage:
                    return span(0, start);
                case SC_ScrollBarAddPage:
                    return span(start + thumb, length - start - thumb);
                default:
                    break;
            }
        }
    }
    if (control == CC_ComboBox) {
        switch (part) {
            case SC_ComboBoxFrame:
            case SC_ComboBoxListBoxPopup:
                return r;
            case SC_ComboBoxArrow:
                return {r.right() + 1 - comboArrowWidth, r.top(), comboArrowWidth, r.height()};
            case SC_ComboBoxEditField:
                return r.adjusted(fieldPadding + 2, 2, -comboArrowWidth, -2);
            default:
                break;
        }
    }
    return QProxyStyle::subControlRect(control, option, part, widget);
}

QRect ToolkitStyle::subElementRect(SubElement element, const QStyleOption* option,
                                   const QWidget* widget) const {
    if (element == SE_LineEditContents) {
        const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        if (frame && frame->lineWidth > 0) {
            return option->rect.adjusted(fieldPadding - 1, 2, -(fieldPadding - 1), -2);
        }
    }
    return QProxyStyle::subElementRect(element, option, widget);
}

QSize ToolkitStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                     const QSize& contents, const QWidget* widget) const {
    switch (type) {
        case CT_LineEdit: {
            const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
            if (frame && frame->lineWidth > 0) {
                return {contents.width() + 2 * fieldPadding,
                        std::max(fieldHeight, contents.height() + 6)};
            }
            return contents;
        }
        case CT_SpinBox:
            // A date field with a calendar asks as a spin box but lays out its text as a
            // drop-down does, beside the wider arrow.
            if (!hasCalendarPopup(widget)) {
                return {contents.width() + fieldPadding + spinButtonWidth + 4,
                        std::max(fieldHeight, contents.height() + 4)};
            }
            [[fallthrough]];
        case CT_ComboBox:
            return {contents.width() + fieldPadding + 2 + comboArrowWidth + 4,
                    std::max(fieldHeight, contents.height() + 8)};
        case CT_PushButton: {
            const QSize base = QProxyStyle::sizeFromContents(type, option, contents, widget);
            return {std::max(base.width(), contents.width() + 26), std::max(base.height(), 28)};
        }
        case CT_MenuItem: {
            const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
            if (!item) {
                break;
            }
            if (item->menuItemType == QStyleOptionMenuItem::Separator) {
                return {contents.width(), 9};
            }
            int width = contents.width() + 2 * menuPadding;
            if (item->menuHasCheckableItems) {
                width += checkColumn;
            }
            if (item->maxIconWidth > 0) {
                width += std::min(item->maxIconWidth, 16) + 6;
            }
            if (item->menuItemType == QStyleOptionMenuItem::SubMenu) {
                width += submenuColumn;
            }
            if (item->reservedShortcutWidth > 0) {
                width += 20;
            }
            return {width, std::max(menuItemHeight, contents.height() + 8)};
        }
        default:
            break;
    }
    return QProxyStyle::sizeFromContents(type, option, contents, widget);
}

int ToolkitStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const {
    switch (hint) {
        // A drop-down opens a list under itself that scrolls past its maxVisibleItems rows
        // (Fusion's menu over the field ignores that limit), and the row under the pointer
        // follows it.
        case SH_ComboBox_Popup:
            return 0;
        case SH_ComboBox_ListMouseTracking:
            return 1;
        default:
            return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}

int ToolkitStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const {
    switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
            return indicatorSide;
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing:
            return 7;
        case PM_MenuPanelWidth:
            return 1;
        case PM_MenuHMargin:
        case PM_MenuVMargin:
            return 4;
        case PM_SubMenuOverlap:
            return 0;
        case PM_ScrollBarExtent:
            return scrollBarExtent;
        case PM_ScrollBarSliderMin:
            return scrollSliderMinimum;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

}  // namespace tundle
