#pragma once

#include <QLabel>

namespace tundle {

// One line of plain text, such as a file name, shortened in the middle when it does not fit,
// so its start and its extension stay visible. Takes the width its layout gives it.
class MiddleElidedText : public QLabel {
    Q_OBJECT

public:
    explicit MiddleElidedText(QWidget* parent = nullptr);

    const QString& fullText() const { return full_; }
    void setFullText(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void elide();

    QString full_;
};

}  // namespace tundle
