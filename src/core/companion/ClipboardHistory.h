#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QUuid>

#include "companion/ClipboardEntry.h"

namespace tundle {

// The texts a clipboard history holds: newest first, no two canonically equivalent, at most
// `maximumItems` of at most `maximumTextLength` user-perceived characters each.
class ClipboardHistory {
public:
    // Limits below 1 are raised to 1.
    ClipboardHistory(int maximumItems, int maximumTextLength);

    const QList<ClipboardEntry>& items() const { return items_; }
    int maximumItems() const { return maximumItems_; }
    int maximumTextLength() const { return maximumTextLength_; }

    // Puts `text` at the front, keeping the id of an equal text already held. Blank and
    // overlong texts are refused whole; returns whether the text was taken in.
    bool capture(const QString& text, const QDateTime& at);
    void remove(const QUuid& id);
    void clear();

private:
    struct Key {
        QString text;
        size_t hash;
    };

    int maximumItems_;
    int maximumTextLength_;
    QList<ClipboardEntry> items_;
    // The composed form of each item's text, in the same order, so comparing a new text costs
    // one composition instead of one per entry, and its hash, so unequal texts are not compared.
    QList<Key> composed_;
};

}  // namespace tundle
