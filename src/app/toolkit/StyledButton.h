#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QMarginsF>

namespace tundle {

// A push button drawn by one recipe: label (an optional symbol before or after the text) in a
// font and colour, padded, over a rounded fill that darkens while pressed. The control centre's
// two button styles are recipes of it. "&&" in the text shows one "&". A disabled button is
// drawn at half opacity.
class StyledButton : public QAbstractButton {
    Q_OBJECT

public:
    struct Recipe {
        QFont font;
        QMarginsF padding;
        QColor foreground;
        QColor fill;
        QColor pressedFill;
        double radius = 0;
        // Where the label sits across the button's width: centred, or leading after the padding.
        Qt::Alignment alignment = Qt::AlignHCenter;
    };

    static constexpr double disabledOpacity = 0.5;

    StyledButton(Recipe recipe, const QString& text, QWidget* parent = nullptr);

    // One of our symbols, drawn in the text colour before the text (or alone).
    void setSymbol(const QString& name);
    // One of our symbols after the text, `gap` points from it, as tall as a `points` font.
    void setTrailingSymbol(const QString& name, double gap, double points);
    const QString& symbol() const { return symbol_; }
    const Recipe& recipe() const { return recipe_; }
    // The fill drawn now: pressed or not.
    QColor currentFill() const { return isDown() ? recipe_.pressedFill : recipe_.fill; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSizeF labelSize() const;
    double symbolSide() const;

    Recipe recipe_;
    QString symbol_;
    bool trailing_ = false;
    double symbolGap_ = 6;
    double symbolPoints_ = 0;
};

}  // namespace tundle
