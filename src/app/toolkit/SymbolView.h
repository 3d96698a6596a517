#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace tundle {

// One of our symbols shown on its own, at a side in points and one tint, centred in the
// widget; optionally on a rounded tile of its own colour.
class SymbolView : public QWidget {
    Q_OBJECT

public:
    SymbolView(const QString& name, double side, const QColor& tint, QWidget* parent = nullptr);

    // Draws the symbol centred on a `frame`-sized rounded tile filled with `fill`.
    void setTile(QSize frame, const QColor& fill, double radius);

    const QString& name() const { return name_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString name_;
    double side_;
    QColor tint_;
    QSize tile_;
    QColor tileFill_;
    double tileRadius_ = 0;
};

}  // namespace tundle
