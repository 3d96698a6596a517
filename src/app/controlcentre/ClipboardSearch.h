#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QUuid>

#include "companion/ClipboardEntry.h"

namespace tundle {

// Finds history entries by a typed text, ignoring case and telling apart no two texts that
// mean the same characters (a precomposed "é" and "e" with a combining accent). Each entry's
// searchable form is worked out once and kept until the entry leaves the history, so typing
// a query costs one plain substring search per entry.
class ClipboardSearch {
public:
    // The form both sides are compared in: composed, case-folded, composed again (folding
    // may decompose).
    static QString searchable(const QString& text);
    // Whether `query` (already searchable) occurs in `text` (already searchable) as whole
    // characters: a match that would end inside an accented letter does not count.
    static bool contains(const QString& text, const QString& query);

    // The entries, in their order, whose text holds `query`; all of them for an empty query.
    // Blanks in the query count like any other character.
    QList<ClipboardEntry> filter(const QList<ClipboardEntry>& entries, const QString& query);

private:
    QHash<QUuid, QString> searchable_;
};

}  // namespace tundle
