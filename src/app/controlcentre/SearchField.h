#pragma once

#include <QWidget>

class QLineEdit;

namespace tundle {

// A search field on a white rounded plate with a magnifying glass before the text.
class SearchField : public QWidget {
    Q_OBJECT

public:
    explicit SearchField(const QString& placeholder, QWidget* parent = nullptr);

    QLineEdit& edit() { return *edit_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLineEdit* edit_;
};

}  // namespace tundle
