#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QMarginsF>

namespace tundle {

// A push button drawn by one recipe: label (an optional symbol before the text) in a font and
// colour, padded, over a rounded fill that darkens while pressed. The control centre's two
// button styles are recipes of it. "&&" in the text shows one "&".
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
    };

    StyledButton(Recipe recipe, const QString& text, QWidget* parent = nullptr);

    // One of our symbols, drawn in the text colour before the text (or alone).
    void setSymbol(const QString& name);
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
};

}  // namespace tundle
