#pragma once

#include <QUuid>
#include <QWidget>
#include <functional>

#include "records/ShortcutItem.h"

class QAbstractButton;
class QLabel;
class QMenu;
class QMimeData;
class QToolButton;

namespace tundle {

class AppModel;
class ShortcutService;

// One shortcut on the shortcut page: icon and name (a click edits it), a warning while a local
// shortcut waits for its target, the tag colour, the pin button and, while the pointer is over
// the row, the menu of its actions. Each change is one call of the service.
//
// The row is also where pinned shortcuts are dragged from and dropped on; what a drag may move
// is the page's decision, asked through the handlers.
class ShortcutListRow : public QWidget {
    Q_OBJECT

public:
    struct DragHandlers {
        std::function<void(const QUuid& id)> started;
        // Called when the drag is over, wherever it ended.
        std::function<void()> ended;
        // Whether a drop on the row with `id` was taken as a move.
        std::function<bool(const QUuid& id)> dropped;
    };

    // `model` and `service` must outlive the row.
    ShortcutListRow(ShortcutItem item, AppModel& model, ShortcutService& service,
                    QWidget* parent = nullptr);

    const ShortcutItem& item() const { return item_; }
    // Shows the item anew in place.
    void setItem(const ShortcutItem& item);
    void setDragHandlers(DragHandlers handlers) { drag_ = std::move(handlers); }

    bool hovering() const { return hovering_; }
    void setHovering(bool hovering);

    QAbstractButton* mainButton() const { return main_; }
    QLabel* nameLabel() const { return name_; }
    QLabel* missingTargetLabel() const { return missing_; }
    QWidget* tagDot() const { return dot_; }
    QToolButton* pinButton() const { return pin_; }
    QToolButton* menuButton() const { return menuButton_; }
    QMenu* menu() const { return menu_; }

    // Carries the item's id as text, as a drag from the row does.
    static QMimeData* dragData(const QUuid& id);
    // The two ends of a drag from this row, told to the page.
    void dragStarting();
    void dragFinished();

signals:
    void editRequested();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void present();
    void fillGroupMenu(QMenu* groups);
    void open();
    void startDrag();

    ShortcutItem item_;
    AppModel& model_;
    ShortcutService& service_;
    DragHandlers drag_;
    bool hovering_ = false;
    QPoint pressedAt_;
    bool pressed_ = false;
    QAbstractButton* main_;
    QLabel* icon_;
    QLabel* name_;
    QLabel* missing_;
    QWidget* dot_;
    QToolButton* pin_;
    QToolButton* menuButton_;
    QMenu* menu_;
};

}  // namespace tundle
