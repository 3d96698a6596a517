#include "companion/ClipboardHistory.h"

#include <algorithm>

#include "support/Graphemes.h"
#include "support/Uuid.h"

namespace tundle {

namespace {

bool isAscii(QChar c) {
    return c.unicode() < 0x80;
}

// Canonically equivalent texts get equal keys. Nothing composes or reorders across an ASCII
// character, so the text is composed in pieces that end before one: Qt's composition slows down
// with the square of the length of what it composes.
QString composedKey(const QString& text) {
    constexpr qsizetype shortestPiece = 64;
    QString key;
    key.reserve(text.size());
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start + 1;
        while (end < text.size() && (end - start < shortestPiece || !isAscii(text[end]))) {
            ++end;
        }
        key.append(QStringView(text)
                       .sliced(start, end - start)
                       .toString()
                       .normalized(QString::NormalizationForm_C));
        start = end;
    }
    return key;
}

}  // namespace

ClipboardHistory::ClipboardHistory(int maximumItems, int maximumTextLength)
    : maximumItems_(std::max(maximumItems, 1)),
      maximumTextLength_(std::max(maximumTextLength, 1)) {}

bool ClipboardHistory::capture(const QString& text, const QDateTime& at) {
    if (trimmedText(text).isEmpty()) {
        return false;
    }
    // A character takes at least one UTF-16 unit, so only longer texts need counting.
    if (text.size() > maximumTextLength_ && graphemeCount(text) > maximumTextLength_) {
        return false;
    }
    const QString composed = composedKey(text);
    const size_t hash = qHash(composed);
    QUuid id;
    for (qsizetype i = items_.size() - 1; i >= 0; --i) {
        if (composed_[i].hash == hash && composed_[i].text == composed) {
            id = items_[i].id;
            items_.removeAt(i);
            composed_.removeAt(i);
        }
    }
    items_.prepend(ClipboardEntry{id.isNull() ? newUuid() : id, text, at});
    composed_.prepend(Key{composed, hash});
    if (items_.size() > maximumItems_) {
        items_.resize(maximumItems_);
        composed_.resize(maximumItems_);
    }
    return true;
}

void ClipboardHistory::remove(const QUuid& id) {
    for (qsizetype i = items_.size() - 1; i >= 0; --i) {
        if (items_[i].id == id) {
            items_.removeAt(i);
            composed_.removeAt(i);
        }
    }
}

void ClipboardHistory::clear() {
    items_.clear();
    composed_.clear();
}

}  // namespace tundle
