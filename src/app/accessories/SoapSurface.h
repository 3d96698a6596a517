#pragma once

#include <QColor>
#include <QWidget>
#include <optional>

#include "drawing/BubbleContour.h"
#include "drawing/SoapFilm.h"

namespace tundle {

// A widget standing on a soap film that fills it (inset 1 pt at the sides, 2 pt at the top
// and bottom); its children lie on the film.
class SoapSurface : public QWidget {
public:
    explicit SoapSurface(QColor tint, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor tint_;
    SoapFilm film_;
};

}  // namespace tundle
