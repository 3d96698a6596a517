#pragma once

#include <QHash>
#include <QUuid>
#include <QWidget>
#include <optional>

#include "controlcentre/ClipboardSearch.h"

class QAbstractButton;
class QVBoxLayout;

namespace tundle {

class ClipboardEntryCard;
class ClipboardService;
class SearchField;
class Switch;
class TextBlock;

// The clipboard history page: recording on, off and paused, clearing, searching, and copying
// an entry back or removing it. Each entry's card is built once and kept while the entry stays
// in the history; a search only shows and hides cards.
class ClipboardPage : public QWidget {
    Q_OBJECT

public:
    explicit ClipboardPage(ClipboardService& service, QWidget* parent = nullptr);

    // The empty state's title and line for a history with or without entries and recording on
    // or off.
    struct EmptyState {
        QString title;
        QString line;
        bool offersRecording;
    };
    static EmptyState emptyState(bool hasEntries, bool recording);

    // The card of an entry while it is in the history, shown or not.
    ClipboardEntryCard* cardFor(const QUuid& id) const { return cards_.value(id); }

private:
    QWidget* makeEmptyState();
    void syncControls();
    void syncEntries();
    void showFiltered();
    void copy(const ClipboardEntry& entry);

    ClipboardService& service_;
    ClipboardSearch search_;
    QString query_;
    std::optional<QUuid> copiedID_;
    Switch* recording_;
    QAbstractButton* pause_;
    QAbstractButton* clear_;
    SearchField* searchField_;
    QWidget* empty_ = nullptr;
    TextBlock* emptyTitle_ = nullptr;
    TextBlock* emptyLine_ = nullptr;
    QAbstractButton* startRecording_ = nullptr;
    QWidget* list_;
    QVBoxLayout* listLayout_;
    QHash<QUuid, ClipboardEntryCard*> cards_;
};

}  // namespace tundle
