#pragma once

#include <QImage>
#include <QRectF>
#include <QWidget>
#include <optional>

#include "companion/WorkStatus.h"

namespace tundle {

// The small picture of the pet resting, cut from the three scenes stacked in
// "Rest/rest-strips.png": evening or holiday on top, morning in the middle, midday below.
class RestArtwork : public QWidget {
    Q_OBJECT

public:
    // `artwork` may be null: the picture's place then stays empty.
    explicit RestArtwork(QImage artwork, QWidget* parent = nullptr);

    void setKind(RestKind kind);
    int row() const { return row_; }

    static int rowFor(RestKind kind);
    // The scene of `row` inside an artwork of `size`, top-left origin.
    static QRectF sourceRect(QSizeF size, int row);
    // Where a source of `source` size is drawn: as large as fits `bounds`, centred, unstretched.
    static QRectF targetRect(QSizeF bounds, QSizeF source);

    // The built-in artwork's file: the resource folder, then the current folder's "app/Assets"
    // and "Assets". Empty when none is readable.
    static QString builtInPath(const std::optional<QString>& resourceFolder);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage artwork_;
    int row_ = 0;
};

}  // namespace tundle
