#include "companion/ClipboardHistory.h"

#include <algorithm>

#include "support/Graphemes.h"
#include "support/Uuid.h"

namespace tundle {

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
    const QString composed = text.normalized(QString::NormalizationForm_C);
    QUuid id;
    for (qsizetype i = items_.size() - 1; i >= 0; --i) {
        if (composed_[i] == composed) {
            id = items_[i].id;
            items_.removeAt(i);
            composed_.removeAt(i);
        }
    }
    items_.prepend(ClipboardEntry{id.isNull() ? newUuid() : id, text, at});
    composed_.prepend(composed);
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
