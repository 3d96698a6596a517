#pragma once

#include <QWidget>
#include <functional>

#include "companion/ClipboardEntry.h"

class QAbstractButton;
class QLabel;

namespace tundle {

// One entry of the clipboard history: its text as plain text (four lines at most, all of it
// selectable), the time it was captured, and the buttons that remove it and copy it back.
class ClipboardEntryCard : public QWidget {
    Q_OBJECT

public:
    explicit ClipboardEntryCard(const ClipboardEntry& entry, QWidget* parent = nullptr);

    const ClipboardEntry& entry() const { return entry_; }
    // The same entry captured again: only the time changes.
    void setEntry(const ClipboardEntry& entry);
    // Whether this entry is the one last copied from the page.
    void setCopied(bool copied);

signals:
    void copyRequested(const ClipboardEntry& entry);
    void removeRequested(const ClipboardEntry& entry);

private:
    ClipboardEntry entry_;
    QWidget* text_;
    QLabel* time_;
    QAbstractButton* copy_;
};

}  // namespace tundle
