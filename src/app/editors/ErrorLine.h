#pragma once

#include <QLabel>
#include <optional>

#include "toolkit/Colors.h"

namespace tundle {

// A message in red that wraps onto further lines, shown only while there is one.
class ErrorLine : public QLabel {
    Q_OBJECT

public:
    explicit ErrorLine(double points, QWidget* parent = nullptr);

    void setMessage(const std::optional<QString>& message);

    // The red of error messages and hints.
    static QColor color() { return Colors::destructive(); }
};

}  // namespace tundle
