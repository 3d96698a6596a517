#pragma once

#include <QColor>
#include <QWidget>

namespace tundle {

// Laid over a picture, it paints `surround` outside a rounded rectangle filling the widget, so
// the picture beneath looks clipped to round corners with smooth edges. Clicks pass through.
class RoundedCorners : public QWidget {
    Q_OBJECT

public:
    RoundedCorners(double radius, const QColor& surround, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double radius_;
    QColor surround_;
};

}  // namespace tundle
