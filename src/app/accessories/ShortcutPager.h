#pragma once

#include <QLabel>
#include <QToolButton>
#include <functional>

#include "accessories/SoapSurface.h"

namespace tundle {

// The small amber strip that turns the shortcut bubbles' pages: "‹ 1/2 ›".
class ShortcutPager : public SoapSurface {
    Q_OBJECT

public:
    explicit ShortcutPager(QWidget* parent = nullptr);

    // `page` counts from 0; the arrows stop at the ends.
    void setPage(int page, int pageCount);

    QToolButton& previous() { return *previous_; }
    QToolButton& next() { return *next_; }
    QString text() const { return label_->text(); }

signals:
    void pageRequested(int page);

private:
    QToolButton* arrow(const QString& symbol, const QString& tip);

    int page_ = 0;
    int pageCount_ = 1;
    QToolButton* previous_;
    QLabel* label_;
    QToolButton* next_;
};

}  // namespace tundle
