#pragma once

#include <QLabel>
#include <QToolButton>

#include "accessories/SoapSurface.h"

namespace tundle {

// The last opening failure in red on an amber film, with "去修改" leading to the settings.
class ShortcutErrorStrip : public SoapSurface {
    Q_OBJECT

public:
    static constexpr int padding = 12;

    explicit ShortcutErrorStrip(QWidget* parent = nullptr);

    // Sizes the strip for the message within `maxWidth`; the text takes at most two lines.
    void setMessage(const QString& message, int maxWidth);
    QString message() const { return text_->text(); }
    QToolButton& fix() { return *fix_; }

private:
    QLabel* text_;
    QToolButton* fix_;
};

}  // namespace tundle
