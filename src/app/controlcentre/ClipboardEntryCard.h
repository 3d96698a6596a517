#pragma once

#include <QWidget>

#include "companion/ClipboardEntry.h"
#include "toolkit/Paper.h"

class QAbstractButton;

namespace tundle {

class TextBlock;

// One entry of the clipboard history: its text as plain text, wrapped anywhere and cut to four
// lines, the time it was captured, and the buttons that remove it and copy it back.
class ClipboardEntryCard : public Paper {
    Q_OBJECT

public:
    static constexpr int maximumLines = 4;
    // More characters than four lines of the widest window can show; laying out the rest of a
    // long entry on every layout pass would only be thrown away.
    static constexpr int shownLength = 2000;

    // What the card lays out of an entry's text: all of it, or its start up to a whole
    // character followed by "…".
    static QString shownText(const QString& text);

    explicit ClipboardEntryCard(const ClipboardEntry& entry, QWidget* parent = nullptr);

    const ClipboardEntry& entry() const { return entry_; }
    // The same entry captured again: only the time changes.
    void setEntry(const ClipboardEntry& entry);
    // Whether this entry is the one last copied from the page.
    void setCopied(bool copied);
    TextBlock& text() { return *text_; }

signals:
    void copyRequested(const ClipboardEntry& entry);
    void removeRequested(const ClipboardEntry& entry);

private:
    ClipboardEntry entry_;
    TextBlock* text_;
    TextBlock* time_;
    QAbstractButton* copy_;
};

}  // namespace tundle
