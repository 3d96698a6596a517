#include "accessories/AccessoryRing.h"

#include <QCursor>
#include <QScreen>
#include <QWindow>

#include "drawing/PixelArea.h"
#include "drawing/SymbolImage.h"
#include "drawing/YUpSpace.h"
#include "model/AppModel.h"
#include "model/FarmStore.h"

namespace tundle {
namespace {

// The y-down global rectangle in bottom-up screen points (mirrored about y = 0).
QRectF upward(const QRect& rect) {
    return QRectF(rect.x(), -(rect.y() + rect.height()), rect.width(), rect.height());
}

}  // namespace

AccessoryRing::AccessoryRing(QWidget& canvas, AppModel& model, const FarmStore& farm,
                             bool hoverRevealed, bool compact)
    : QObject(&canvas), canvas_(canvas), model_(&model), farm_(farm), compact_(compact) {
    toggle_ = new QToolButton(&canvas);
    toggle_->setAutoRaise(true);
    toggle_->setCursor(Qt::PointingHandCursor);
    toggle_->setFocusPolicy(Qt::NoFocus);
    connect(toggle_, &QToolButton::clicked, this, &AccessoryRing::fold);
    for (PetAccessory accessory : allPetAccessories) {
        auto* button = new AccessoryButton(accessory, hoverRevealed, {}, &canvas);
        connect(button, &AccessoryButton::hitAreaChanged, this, &AccessoryRing::hitAreaChanged);
        const QPointer<AppModel> owner = model_;
        button->action = accessory == PetAccessory::clipboard ? std::function<void()>([owner] {
            if (owner) {
                owner->openClipboard();
            }
        })
                                                              : std::function<void()>([owner] {
                                                                    if (owner) {
                                                                        owner->toggleShortcuts();
                                                                    }
                                                                });
        buttons_.push_back(button);
    }
    host_ = new ShortcutHost(model, &canvas);
}

void AccessoryRing::fold() {
    if (model_) {
        model_->toggleAccessories();
        update(lastSprite_);
    }
}

AccessoryRingInput AccessoryRing::input(const QRectF& sprite) const {
    AccessoryRingInput input{.sprite = sprite,
                             .boundsWidth = double(canvas_.width()),
                             .farmVisible = farm_.visible(),
                             .collapsed = model_->accessoriesCollapsed(),
                             .panelOpen = model_->functionPanel().has_value(),
                             .available = QRectF(0, 0, canvas_.width(), canvas_.height()),
                             .windowOrigin = {},
                             .compact = compact_};
    const QWidget* window = canvas_.window();
    if (window != &canvas_) {
        const QRect frame = window->frameGeometry();
        input.windowOrigin = upward(frame).topLeft();
        const QScreen* screen = window->windowHandle() ? window->windowHandle()->screen() : nullptr;
        input.available = upward(screen ? screen->availableGeometry() : frame);
    }
    return input;
}

void AccessoryRing::update(const QRectF& sprite) {
    lastSprite_ = sprite;
    if (!model_) {
        return;
    }
    const AccessoryRingLayout layout = AccessoryRingLayout::of(input(sprite));
    const YUpSpace space(canvas_.height());
    const bool inWindow = canvas_.window()->windowHandle() != nullptr;
    const QPoint mouse = QCursor::pos();
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        AccessoryButton* button = buttons_[i];
        const AccessoryButtonPlace& place = layout.buttons[i];
        button->setGeometry(space.toQt(place.frame).toRect());
        button->setHidden(place.hidden);
        button->setReduceMotion(model_->reduceMotion());
        button->setActive(place.active);
        if (inWindow) {
            const QPoint corner = button->mapToGlobal(QPoint(0, 0));
            button->track(
                QPointF(mouse.x() - corner.x(), corner.y() + button->height() - mouse.y()));
        }
    }

    toggle_->setHidden(layout.toggleHidden);
    toggle_->setGeometry(space.toQt(layout.toggleFrame).toRect());
    if (toggle_->toolTip() != layout.toggleWording) {
        toggle_->setIcon(QPixmap::fromImage(SymbolImage::render(
            layout.toggleSymbol, QSize(20, 20), QColor::fromRgbF(0.57f, 0.48f, 0.35f, 0.8f))));
        toggle_->setToolTip(layout.toggleWording);
        toggle_->setAccessibleName(layout.toggleWording);
    }

    host_->setHidden(layout.panelHidden);
    host_->viewport().setSize(layout.viewport);
    host_->setGeometry(space.toQt(layout.panelFrame).toRect());
}

bool AccessoryRing::hit(QPointF point) const {
    if (!toggle_->isHidden() && YUpSpace::contains(QRectF(toggle_->geometry()), point)) {
        return true;
    }
    for (const AccessoryButton* button : buttons_) {
        if (!button->isHidden()) {
            const QPointF local = point - button->geometry().topLeft();
            if (button->contains(YUpSpace(button->height()).fromQt(local))) {
                return true;
            }
        }
    }
    return !host_->isHidden() && YUpSpace::contains(QRectF(host_->geometry()), point);
}

void AccessoryRing::addHitArea(PixelArea& area) const {
    if (!toggle_->isHidden()) {
        area.addQt(QRectF(toggle_->geometry()));
    }
    const double canvasHeight = canvas_.height();
    for (const AccessoryButton* button : buttons_) {
        if (button->isHidden()) {
            continue;
        }
        // From the button's bottom-up points to the canvas's.
        const QRect frame = button->geometry();
        const QPointF offset(frame.x(), canvasHeight - frame.y() - frame.height());
        const QRectF core = button->artworkArea();
        area.addUp(core.adjusted(-2, -3, 2, 3).translated(offset));
        if (button->reveal() > AccessoryButton::pillHitReveal) {
            area.addUp(core.united(button->labelRect()).translated(offset));
        }
    }
    if (!host_->isHidden()) {
        area.addQt(QRectF(host_->geometry()));
    }
}

}  // namespace tundle
