#include "support/Graphemes.h"

#include <QTextBoundaryFinder>

namespace tundle {

namespace {

bool isSingleRegionalIndicator(const QString& text, qsizetype from, qsizetype to) {
    if (to - from != 2 || !text[from].isHighSurrogate()) {
        return false;
    }
    const char32_t code = QChar::surrogateToUcs4(text[from], text[from + 1]);
    return code >= 0x1F1E6 && code <= 0x1F1FF;
}

// Position after the first `limit` graphemes, counting at most `limit` of them; `counted` gets
// how many. Qt's finder splits a flag into its two regional indicators, so pairs are rejoined.
qsizetype walk(const QString& text, qsizetype limit, qsizetype& counted) {
    counted = 0;
    if (text.isEmpty()) {
        return 0;
    }
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype position = 0;
    qsizetype indicatorRun = 0;
    while (true) {
        const qsizetype next = finder.toNextBoundary();
        if (next < 0) {
            break;
        }
        indicatorRun = isSingleRegionalIndicator(text, position, next) ? indicatorRun + 1 : 0;
        const bool secondHalfOfFlag = indicatorRun > 0 && indicatorRun % 2 == 0;
        if (!secondHalfOfFlag) {
            if (counted == limit) {
                break;
            }
            ++counted;
        }
        position = next;
    }
    return position;
}

}  // namespace

qsizetype graphemeCount(const QString& text) {
    qsizetype counted = 0;
    walk(text, text.size(), counted);
    return counted;
}

QString graphemePrefix(const QString& text, qsizetype count) {
    qsizetype counted = 0;
    return text.left(walk(text, count, counted));
}

QString trimmedText(const QString& text) {
    return text.trimmed();
}

}  // namespace tundle
