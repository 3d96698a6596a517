#pragma once

#include <QFont>

namespace tundle {

// The weights the windows ask for. Debian ships the CJK faces in Regular and Bold only, so
// medium draws as Regular and semibold as Bold.
enum class FontWeight { regular, medium, semibold, bold };

// The fonts of the control centre and the editors: the interface face at pixel sizes equal to
// the stated points. "Rounded" text uses the ordinary face.
class Typography {
public:
    Typography() = delete;

    static QFont font(double points, FontWeight weight = FontWeight::regular);
    // Noto Sans Mono CJK SC: monospaced text and counters whose digits must not jump.
    static QFont monospaced(double points, FontWeight weight = FontWeight::regular);
    // `font` with `points` of extra space after every character.
    static QFont tracked(QFont font, double points);
};

}  // namespace tundle
