#pragma once

#include <QLineEdit>

namespace tundle {

// A text field with a submit action of its own (a search): Return submits the field and goes
// no further, so it never reaches the sheet's default button.
class SubmitField : public QLineEdit {
    Q_OBJECT

public:
    explicit SubmitField(QWidget* parent = nullptr);

signals:
    void submitted(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tundle
