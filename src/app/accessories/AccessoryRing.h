#pragma once

#include <QPointer>
#include <QToolButton>
#include <vector>

#include "accessories/AccessoryButton.h"
#include "accessories/AccessoryRingLayout.h"
#include "accessories/ShortcutHost.h"

namespace tundle {

class AppModel;
class FarmStore;
class PixelArea;

// The controls beside the pet: the accessory buttons, their fold toggle and the shortcut
// panel's host, all children of the canvas. `update` places them and shows or hides them from
// the model's state.
class AccessoryRing : public QObject {
    Q_OBJECT

public:
    // `hoverRevealed`: the labels stay out from the first layout on.
    AccessoryRing(QWidget& canvas, AppModel& model, const FarmStore& farm, bool hoverRevealed,
                  bool compact);

    const std::vector<AccessoryButton*>& buttons() const { return buttons_; }
    QToolButton& toggle() { return *toggle_; }
    ShortcutHost& host() { return *host_; }

    // `sprite`: the pet's rectangle in the canvas's bottom-up points.
    void update(const QRectF& sprite);
    // Whether a point in the canvas's own (Qt) coordinates lies on one of the controls.
    bool hit(QPointF point) const;
    // Adds the pixels of the canvas where `hit` answers true.
    void addHitArea(PixelArea& area) const;

signals:
    // A button's share of the hit area changed between layouts (its label slid out or in).
    void hitAreaChanged();

private:
    AccessoryRingInput input(const QRectF& sprite) const;
    void fold();

    QWidget& canvas_;
    QPointer<AppModel> model_;
    const FarmStore& farm_;
    bool compact_;
    std::vector<AccessoryButton*> buttons_;
    QToolButton* toggle_;
    ShortcutHost* host_;
    QRectF lastSprite_;
};

}  // namespace tundle
