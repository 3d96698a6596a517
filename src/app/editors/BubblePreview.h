#pragma once

#include <QWidget>

#include "drawing/SoapFilm.h"
#include "records/ShortcutItem.h"

namespace tundle {

// The soap bubble a shortcut will get on the desktop: its kind's symbol and its name as typed
// on a capsule film tinted with its colour.
class BubblePreview : public QWidget {
    Q_OBJECT

public:
    explicit BubblePreview(QWidget* parent = nullptr);

    void present(const ShortcutItem& item);
    // What the bubble reads: the name, or a placeholder while there is none.
    const QString& text() const { return text_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    QString symbol_;
    QColor tint_;
    SoapFilm film_;
};

}  // namespace tundle
