#pragma once

#include <QFont>

namespace tundle {

// The type scale of the control centre and the editors: the point sizes the pages use again
// and again. A size used once stays beside its view.
namespace TextSize {
// Captions, notes and hints under a control.
inline constexpr double caption = 10;
// Secondary lines, small inline actions, status texts.
inline constexpr double footnote = 11;
// Body text, row labels and section titles.
inline constexpr double body = 12;
// Buttons, fields and card titles.
inline constexpr double control = 13;
// Emphasised lines: empty-state titles, the diary's page.
inline constexpr double emphasis = 14;
// A page's heading.
inline constexpr double pageTitle = 27;
}  // namespace TextSize

// The weights the windows ask for. Debian ships the CJK faces in Regular and Bold only, so
// medium draws as Regular and semibold as Bold.
enum class FontWeight { regular, medium, semibold, bold };

// The fonts of the control centre and the editors: the interface face at pixel sizes equal to
// the stated points. "Rounded" text uses the ordinary face.
class Typography {
public:
    Typography() = delete;

    static QFont font(double points, FontWeight weight = FontWeight::regular);
    // Noto Sans Mono CJK SC: text in the monospaced design (the size percentages).
    static QFont monospaced(double points, FontWeight weight = FontWeight::regular);
    // Counters whose digits must not jump as they tick: the interface face itself, whose digits
    // all have one width (a face of its own would also cost megabytes of memory).
    static QFont counter(double points, FontWeight weight = FontWeight::regular);
    // `font` with `points` of extra space after every character.
    static QFont tracked(QFont font, double points);
};

}  // namespace tundle
