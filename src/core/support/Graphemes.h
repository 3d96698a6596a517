#pragma once

#include <QString>

namespace tundle {

// Lengths of user-visible texts count user-perceived characters, never bytes or UTF-16 units.
qsizetype graphemeCount(const QString& text);
// The first `count` user-perceived characters of `text`.
QString graphemePrefix(const QString& text, qsizetype count);
// `text` without leading and trailing white space and line breaks.
QString trimmedText(const QString& text);

}  // namespace tundle
