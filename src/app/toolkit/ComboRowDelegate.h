#pragma once

#include <QAbstractItemDelegate>
#include <QStyleOptionMenuItem>

class QComboBox;

namespace tundle {

// The rows of a drop-down's open list, measured and drawn as the rows of our menus: each
// option's text in the drop-down's font, the chosen option ticked, the row under the pointer
// tinted. Each row is as tall as its text, whatever the size of the list around it.
class ComboRowDelegate : public QAbstractItemDelegate {
    Q_OBJECT

public:
    explicit ComboRowDelegate(QComboBox& combo);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QStyleOptionMenuItem rowOption(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const;

    QComboBox& combo_;
};

}  // namespace tundle
