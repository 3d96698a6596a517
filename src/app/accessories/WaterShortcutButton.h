#pragma once

#include <QAbstractButton>
#include <QImage>

#include "drawing/SoapFilm.h"
#include "records/ShortcutItem.h"

namespace tundle {

// One pinned shortcut as a soap bubble: its icon and name on a film in its tag colour and in
// the outline its id keeps; it swells a little under the pointer.
class WaterShortcutButton : public QAbstractButton {
    Q_OBJECT

public:
    static constexpr double bubbleHeight = 46;
    static constexpr double hoverScale = 1.035;
    static constexpr double iconSize = 21;
    // The icon, its gap and the margins beside the name.
    static constexpr double chrome = 53;
    // Room around the bubble for it to swell into.
    static constexpr int margin = 4;

    WaterShortcutButton(const ShortcutItem& item, double width, QWidget* parent = nullptr);

    const ShortcutItem& item() const { return item_; }
    bool hovering() const { return hovering_; }
    // A renamed or recoloured shortcut keeps its button; the width follows the new name.
    void setItem(const ShortcutItem& item, double width);
    QString iconDescription() const { return iconDescription_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool hitButton(const QPoint& point) const override;

private:
    void setHovering(bool hovering);
    // The bubble itself inside the widget's margin.
    QRectF bubble() const;

    ShortcutItem item_;
    QImage icon_;
    QString iconDescription_;
    bool hovering_ = false;
    SoapFilm film_;
};

}  // namespace tundle
