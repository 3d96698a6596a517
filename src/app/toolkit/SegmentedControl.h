#pragma once

#include <QStringList>
#include <QWidget>

namespace tundle {

// A row of equally wide segments, one selected, like a picker of a few choices.
// `activated` is the user's own choice (click or Left/Right); `setCurrentIndex` follows the
// model without a signal.
class SegmentedControl : public QWidget {
    Q_OBJECT

public:
    explicit SegmentedControl(const QStringList& titles, QWidget* parent = nullptr);

    int currentIndex() const { return current_; }
    void setCurrentIndex(int index);
    const QStringList& titles() const { return titles_; }
    // The segment under a point of the widget, or -1.
    int segmentAt(QPointF point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void activated(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRectF segmentRect(int index) const;
    void choose(int index);

    QStringList titles_;
    int current_ = 0;
};

}  // namespace tundle
