#include "toolkit/ComboRowDelegate.h"

#include <QComboBox>

namespace tundle {

ComboRowDelegate::ComboRowDelegate(QComboBox& combo)
    : QAbstractItemDelegate(&combo), combo_(combo) {}

QStyleOptionMenuItem ComboRowDelegate::rowOption(const QStyleOptionViewItem& option,
                                                 const QModelIndex& index) const {
    QStyleOptionMenuItem row;
    row.initFrom(&combo_);
    row.rect = option.rect;
    row.menuRect = option.rect;
    row.state = QStyle::State_None;
    if ((option.state & QStyle::State_Enabled) && (index.flags() & Qt::ItemIsEnabled)) {
        row.state |= QStyle::State_Enabled;
    }
    if (option.state & QStyle::State_Selected) {
        row.state |= QStyle::State_Selected;
    }
    row.menuItemType = QStyleOptionMenuItem::Normal;
    row.checkType = QStyleOptionMenuItem::Exclusive;
    row.menuHasCheckableItems = true;
    row.checked = index.row() == combo_.currentIndex();
    // Options are often the user's own names: an "&" is a character, not a mnemonic.
    row.text = index.data(Qt::DisplayRole).toString().replace(u'&', QStringLiteral("&&"));
    row.font = combo_.font();
    row.fontMetrics = QFontMetrics(row.font);
    row.maxIconWidth = 0;
    row.reservedShortcutWidth = 0;
    return row;
}

void ComboRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const QStyleOptionMenuItem row = rowOption(option, index);
    combo_.style()->drawControl(QStyle::CE_MenuItem, &row, painter, &combo_);
}

QSize ComboRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const QStyleOptionMenuItem row = rowOption(option, index);
    const QSize text = row.fontMetrics.size(Qt::TextSingleLine | Qt::TextShowMnemonic, row.text);
    return combo_.style()->sizeFromContents(QStyle::CT_MenuItem, &row, text, &combo_);
}

}  // namespace tundle
