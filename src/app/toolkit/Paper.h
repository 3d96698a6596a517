#pragma once

#include <QWidget>

class QVBoxLayout;

namespace tundle {

// The white card that holds every card of the pages: the content padded on all edges over
// white at 83 %, rounded (radius 19) and outlined with a faint 1-point line.
class Paper : public QWidget {
    Q_OBJECT

public:
    explicit Paper(double padding, QWidget* parent = nullptr);

    // Where the card's content goes; its margins are the padding.
    QVBoxLayout& content() { return *content_; }
    double padding() const { return padding_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double padding_;
    QVBoxLayout* content_;
};

}  // namespace tundle
