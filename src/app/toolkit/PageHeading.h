#pragma once

#include <QWidget>

namespace tundle {

class TextBlock;

// The heading at the top of every page: the title (27 points, semibold, ink) and, when it is
// not empty, an explanatory subtitle (12 points, muted, 4 points between lines) 8 points below.
class PageHeading : public QWidget {
    Q_OBJECT

public:
    explicit PageHeading(const QString& title, const QString& subtitle = {},
                         QWidget* parent = nullptr);

    void setTitle(const QString& title);
    void setSubtitle(const QString& subtitle);
    TextBlock& title() { return *title_; }
    TextBlock& subtitle() { return *subtitle_; }

private:
    TextBlock* title_;
    TextBlock* subtitle_;
};

}  // namespace tundle
