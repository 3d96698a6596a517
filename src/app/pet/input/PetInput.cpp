#include "pet/input/PetInput.h"

#include <QMenu>
#include <QMouseEvent>

#include "drawing/AccessiblePress.h"
#include "drawing/YUpSpace.h"
#include "model/AppModel.h"
#include "pet/PetCanvas.h"

namespace tundle {

PetInput::PetInput(PetCanvas& canvas, AppModel& model)
    : QObject(&canvas), canvas_(canvas), model_(model) {
    canvas.setMouseTracking(true);
    canvas.installEventFilter(this);
    new AccessiblePress(canvas, QAccessible::Grouping, [&model] { model.petClicked(); });
}

bool PetInput::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            pressed(static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseMove:
            moved(static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseButtonRelease:
            released(static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::Leave:
            canvas_.unsetCursor();
            canvas_.farmMouseMoved(std::nullopt);
            return false;
        default:
            return false;
    }
}

bool PetInput::onPet(QPointF point) const {
    const YUpSpace space(canvas_.height());
    return model_.assets().contains(space.fromQt(point), canvas_.spriteRect());
}

void PetInput::pressed(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        if (!canvas_.preview()) {
            contextMenu().release()->popup(event->globalPosition().toPoint());
        }
        return;
    }
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const YUpSpace space(canvas_.height());
    const QPointF p = space.fromQt(event->position());
    const QPoint origin = canvas_.window() == &canvas_ ? QPoint() : canvas_.window()->pos();
    const QRectF bubble = canvas_.bubbleRect();
    if (canvas_.bubbleShown() && YUpSpace::contains(bubble, p)) {
        press_.begin(PressKind::bubble, event->globalPosition(), origin);
        const BubbleLayout layout = canvas_.bubbleLayout();
        const QPointF inside = p - bubble.topLeft();
        if (model_.bubbleActionTitle() && YUpSpace::contains(layout.actionRect, inside)) {
            model_.pressBubbleAction();
        } else if (model_.bubbleSecondaryTitle() &&
                   YUpSpace::contains(layout.secondaryRect, inside)) {
            model_.pressBubbleSecondary();
        } else {
            model_.dismissBubble();
        }
        return;
    }
    // The pet stands inside the farm scene: pressing it there clicks it but never drags the
    // panel, as a press on a plot or a farm button would not.
    const bool farmTook = canvas_.farmMousePressed(p);
    const bool farm = farmTook || YUpSpace::contains(canvas_.farmSceneRect(), p);
    press_.begin(farm ? PressKind::farmScene : PressKind::pet, event->globalPosition(), origin);
}

void PetInput::moved(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) {
        canvas_.setCursor(canvas_.interactiveHit(event->position()) ? Qt::PointingHandCursor
                                                                    : Qt::ArrowCursor);
        // The farm's own hover, and its hand over the farm buttons, come last.
        canvas_.farmMouseMoved(YUpSpace(canvas_.height()).fromQt(event->position()));
        return;
    }
    if (canvas_.preview()) {
        return;
    }
    if (const std::optional<QPoint> origin = press_.drag(event->globalPosition())) {
        model_.closeFunctionPanel();
        if (canvas_.window() != &canvas_) {
            canvas_.window()->move(*origin);
        }
    }
}

void PetInput::released(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const bool dragged = press_.wasDragged();
    const PressKind kind = press_.end();
    if (kind == PressKind::none || kind == PressKind::bubble) {
        return;
    }
    if (dragged) {
        if (canvas_.onMoved) {
            canvas_.onMoved();
        }
        return;
    }
    if (kind == PressKind::farmScene &&
        canvas_.farmMouseReleased(YUpSpace(canvas_.height()).fromQt(event->position()))) {
        return;
    }
    if (onPet(event->position())) {
        model_.petClicked();
    }
}

std::unique_ptr<QMenu> PetInput::contextMenu() {
    auto menu = std::make_unique<QMenu>();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    AppModel* model = &model_;
    menu->addAction(QStringLiteral("打开糯墩"), &model_, [model] { model->openHome(); });
    menu->addAction(QStringLiteral("剪贴板历史"), &model_, [model] { model->openClipboard(); });
    menu->addSeparator();
    menu->addAction(QStringLiteral("隐藏桌宠"), &model_, [model] { model->togglePetVisible(); });
    return menu;
}

}  // namespace tundle
