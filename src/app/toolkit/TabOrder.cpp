#include "toolkit/TabOrder.h"

#include <QLayout>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace tundle {

namespace {

void collect(QWidget* widget, std::vector<QWidget*>& order);

void collectLaidOut(QLayout* layout, std::vector<QWidget*>& laidOut, std::vector<QWidget*>& order) {
    for (int index = 0; index < layout->count(); ++index) {
        QLayoutItem* item = layout->itemAt(index);
        if (QWidget* child = item->widget()) {
            laidOut.push_back(child);
            collect(child, order);
        } else if (QLayout* inner = item->layout()) {
            collectLaidOut(inner, laidOut, order);
        }
    }
}

// `widget`, then what lies inside it: first as its layout places it, then what it places by
// itself (a scroll area's page, a column of hand-placed rows) in the order it was made.
void collect(QWidget* widget, std::vector<QWidget*>& order) {
    if (widget->focusPolicy() & Qt::TabFocus) {
        order.push_back(widget);
    }
    // A spin box or an editable drop-down moves through its own parts; a scroll area's viewport
    // hands the focus out to the area and still holds the page.
    if (widget->isAncestorOf(widget->focusProxy())) {
        return;
    }
    std::vector<QWidget*> laidOut;
    if (QLayout* layout = widget->layout()) {
        collectLaidOut(layout, laidOut, order);
    }
    for (QObject* object : widget->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child && !child->isWindow() &&
            std::find(laidOut.begin(), laidOut.end(), child) == laidOut.end()) {
            collect(child, order);
        }
    }
}

}  // namespace

void chainTabOrder(QWidget& form) {
    std::vector<QWidget*> order;
    collect(&form, order);
    for (std::size_t index = 1; index < order.size(); ++index) {
        QWidget::setTabOrder(order[index - 1], order[index]);
    }
}

}  // namespace tundle
