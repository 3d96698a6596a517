#include "editors/RowStack.h"

namespace tundle {

RowStack::RowStack(int spacing, QWidget* parent) : QWidget(parent), spacing_(spacing) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void RowStack::setRows(std::vector<QWidget*> rows) {
    rows_ = std::move(rows);
    arrange();
}

void RowStack::arrange() {
    int total = 0;
    for (QWidget* row : rows_) {
        if (!row->isHidden()) {
            total += (total > 0 ? spacing_ : 0) + row->sizeHint().height();
        }
    }
    if (total != height_) {
        height_ = total;
        setFixedHeight(total);
        updateGeometry();
    }
    place();
}

void RowStack::resizeEvent(QResizeEvent*) {
    place();
}

void RowStack::place() {
    int top = 0;
    for (QWidget* row : rows_) {
        if (row->isHidden()) {
            continue;
        }
        const int rowHeight = row->sizeHint().height();
        row->setGeometry(0, top, width(), rowHeight);
        top += rowHeight + spacing_;
    }
}

}  // namespace tundle
