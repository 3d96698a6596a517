#pragma once

#include <QWidget>
#include <vector>

namespace tundle {

// A column of rows of the full width, each as tall as it asks, without a layout: with two
// thousand rows a box layout spends a search keystroke on its own bookkeeping, while this
// places the shown rows in one pass.
class RowStack : public QWidget {
    Q_OBJECT

public:
    explicit RowStack(int spacing, QWidget* parent = nullptr);

    // The rows in order; hidden ones take no place.
    void setRows(std::vector<QWidget*> rows);
    // Places the shown rows again, after some were shown, hidden or changed their height.
    void arrange();

    QSize sizeHint() const override { return {0, height_}; }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void place();

    int spacing_;
    int height_ = 0;
    std::vector<QWidget*> rows_;
};

}  // namespace tundle
