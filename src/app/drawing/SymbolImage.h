#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class QColor;

namespace tundle {

// Our small monochrome symbols ("Symbols/<name>.svg" in the resource folder), drawn in one
// colour at the size asked for; a null image when the symbol is not there.
class SymbolImage {
public:
    SymbolImage() = delete;

    static QString path(const QString& name);
    static QImage render(const QString& name, QSize size, const QColor& tint);
};

}  // namespace tundle
