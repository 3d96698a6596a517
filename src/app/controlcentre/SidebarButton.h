#pragma once

#include <QAbstractButton>
#include <QSize>

namespace tundle {

// A button of the control centre's sidebar: a symbol over an optional title on a rounded tile
// that is filled only while the button is checked. The whole row is the button, not only the
// tile, so a click anywhere beside the tile counts too.
class SidebarButton : public QAbstractButton {
    Q_OBJECT

public:
    struct Look {
        QSize frame;
        // The filled tile inside the frame; empty for a button that never shows one.
        QSize tile;
        double symbolPoints = 0;
        double titlePoints = 0;
    };
    // A page of the sidebar: 100 by 84 with a 68 by 72 tile, a 21-point symbol and an
    // 11-point title.
    static const Look pageLook;
    // The pet-visibility button: 100 by 44, an 18-point symbol, no title or tile.
    static const Look plainLook;

    SidebarButton(const Look& look, const QString& symbol, const QString& title,
                  QWidget* parent = nullptr);

    void setSymbol(const QString& symbol);
    const QString& symbol() const { return symbol_; }
    // The tile's rectangle in the button.
    QRect tileRect() const;

    QSize sizeHint() const override { return look_.frame; }
    QSize minimumSizeHint() const override { return look_.frame; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Look look_;
    QString symbol_;
};

}  // namespace tundle
