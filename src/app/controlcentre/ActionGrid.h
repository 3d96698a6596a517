#pragma once

#include <QWidget>
#include <vector>

#include "pets/PetAssets.h"

class QMenu;

namespace tundle {

class AppModel;
class StyledButton;

// The buttons under the home page's room that make the pet play each of its actions: one tile
// per action of no group, then one menu per action group, in the pack's order, in as many
// columns of at least 70 points as fit. Built again when the pack changes; disabled while the
// pet keeps quiet for breathing or motion is reduced.
class ActionGrid : public QWidget {
    Q_OBJECT

public:
    static constexpr int minimumColumn = 70;
    static constexpr int columnSpacing = 8;
    static constexpr int rowSpacing = 7;

    explicit ActionGrid(AppModel& model, QWidget* parent = nullptr);

    // Shows these actions and groups in place of the ones shown.
    void setActions(const std::vector<PetAssets::Action>& actions,
                    const std::vector<PetAssets::ActionGroup>& groups);

    // How many columns fit in `width`; at least one.
    static int columns(int width);
    // The cells in order: the action tiles, then the group menus' buttons.
    std::vector<StyledButton*> cells() const;
    // The menu a group's cell opens, or nullptr for an action tile.
    QMenu* menuOf(const StyledButton* cell) const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Cell {
        StyledButton* button;
        QMenu* menu;
    };

    void syncEnabled();
    // Lays the cells out for `width`, moving them only when `place` is set; answers the height.
    int arrange(int width, bool place) const;

    AppModel& model_;
    std::vector<Cell> parts_;
};

}  // namespace tundle
