#pragma once

#include <QColor>
#include <QString>

#include "toolkit/Typography.h"

namespace tundle {

class TextBlock;

// The text blocks the pages are made of: plain text in the interface face at a size, weight and
// colour.
class StyledText {
public:
    StyledText() = delete;

    static TextBlock* make(const QString& text, double points, const QColor& color,
                           FontWeight weight = FontWeight::regular);
    // A short label of a row: never laid out narrower than its text, so it stays on one line.
    static TextBlock* label(const QString& text, double points, const QColor& color,
                            FontWeight weight = FontWeight::regular);
    // The same in the monospaced face, for numbers whose digits must not jump.
    static TextBlock* monospaced(const QString& text, double points, const QColor& color);
    static TextBlock* monospacedLabel(const QString& text, double points, const QColor& color);
};

}  // namespace tundle
