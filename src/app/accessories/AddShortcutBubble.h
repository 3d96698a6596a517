#pragma once

#include <QAbstractButton>

#include "drawing/SoapFilm.h"

namespace tundle {

// The amber bubble offered while nothing is pinned; it leads to the shortcut settings.
class AddShortcutBubble : public QAbstractButton {
    Q_OBJECT

public:
    static constexpr int frameWidth = 190;
    static constexpr int frameHeight = 46;

    explicit AddShortcutBubble(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SoapFilm film_;
};

}  // namespace tundle
