#pragma once

#include <QPixmap>
#include <QUuid>
#include <QWidget>
#include <functional>

#include "records/ShortcutItem.h"

class QMenu;
class QMimeData;

namespace tundle {

class AppModel;
class ShortcutService;

// One shortcut on the shortcut page: icon and name (a click edits it), a warning while a local
// shortcut waits for its target, the tag colour, the pin button and, while the pointer is over
// the row, the button of its actions menu. Each change is one call of the service.
//
// A page may hold two thousand rows, so a row is one widget that draws its parts itself and
// makes its menu only when it is first asked for.
//
// The row is also where pinned shortcuts are dragged from and dropped on; what a drag may move
// is the page's decision, asked through the handlers.
//
// From the keyboard, Tab goes through the row's three controls (name, pin, actions menu) before
// it leaves the row; Space or Return presses the one with the focus ring.
class ShortcutListRow : public QWidget {
    Q_OBJECT

public:
    enum class Part { main, dot, pin, menu };

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

    // Where a part sits in the row, and its tooltip.
    QRect partRect(Part part) const;
    QString partToolTip(Part part) const;
    // A local shortcut taken over from a share file waits for its target.
    bool showsMissingTarget() const;
    // The actions menu, made on first use.
    QMenu* menu();
    // The control that the keys press while the row has the focus.
    Part focusedPart() const { return focused_; }

    // Carries the item's id as text, as a drag from the row does.
    static QMimeData* dragData(const QUuid& id);
    // The two ends of a drag from this row, told to the page.
    void dragStarting();
    void dragFinished();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return {0, sizeHint().height()}; }

signals:
    void editRequested();

protected:
    bool event(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void fillGroupMenu(QMenu* groups);
    void press(Part part);
    void showMenu();
    void open();
    void startDrag();
    const QPixmap& icon();

    ShortcutItem item_;
    AppModel& model_;
    ShortcutService& service_;
    DragHandlers drag_;
    bool hovering_ = false;
    std::optional<Part> pressed_;
    Part focused_ = Part::main;
    QPoint pressedAt_;
    QPixmap icon_;
    QMenu* menu_ = nullptr;
};

}  // namespace tundle
