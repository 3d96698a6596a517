#include "controlcentre/ClipboardSearch.h"

#include <QSet>

namespace tundle {

namespace {

// A combining mark (or the low half of one beyond the first plane) continues the character
// before it.
bool continuesCharacter(const QString& text, qsizetype at) {
    if (at >= text.size()) {
        return false;
    }
    const QChar first = text.at(at);
    if (first.isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate()) {
        return QChar::isMark(QChar::surrogateToUcs4(first, text.at(at + 1)));
    }
    return first.isMark();
}

}  // namespace

QString ClipboardSearch::searchable(const QString& text) {
    return text.normalized(QString::NormalizationForm_C)
        .toCaseFolded()
        .normalized(QString::NormalizationForm_C);
}

bool ClipboardSearch::contains(const QString& text, const QString& query) {
    for (qsizetype at = text.indexOf(query); at >= 0; at = text.indexOf(query, at + 1)) {
        if (!continuesCharacter(text, at + query.size())) {
            return true;
        }
    }
    return false;
}

QList<ClipboardEntry> ClipboardSearch::filter(const QList<ClipboardEntry>& entries,
                                              const QString& query) {
    QSet<QUuid> present;
    for (const ClipboardEntry& entry : entries) {
        present.insert(entry.id);
    }
    searchable_.removeIf([&present](const auto& item) { return !present.contains(item.key()); });
    if (query.isEmpty()) {
        return entries;
    }
    const QString wanted = searchable(query);
    QList<ClipboardEntry> found;
    for (const ClipboardEntry& entry : entries) {
        auto key = searchable_.find(entry.id);
        if (key == searchable_.end()) {
            key = searchable_.insert(entry.id, searchable(entry.text));
        }
        if (contains(*key, wanted)) {
            found.append(entry);
        }
    }
    return found;
}

}  // namespace tundle
