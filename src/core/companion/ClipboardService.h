#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <functional>

#include "companion/ClipboardEntry.h"
#include "companion/ClipboardHistory.h"
#include "companion/Pasteboard.h"

namespace tundle {

// An opt-in, memory-only history of the plain text the user copies, fed by polling the
// pasteboard's change counter. Content its source marks as secret, transient or generated is
// never recorded.
class ClipboardService : public QObject {
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;
    static constexpr int maximumItems = 50;
    static constexpr int maximumTextLength = 16000;
    static constexpr int pollMilliseconds = 800;

    static const QSet<QString>& ignoredTypes();

    // `pasteboard` must outlive the service.
    ClipboardService(Pasteboard& pasteboard, bool automaticallyPolls,
                     Clock now = &QDateTime::currentDateTimeUtc, QObject* parent = nullptr);

    bool isEnabled() const { return enabled_; }
    bool isPaused() const { return paused_; }
    // Newest first.
    const QList<ClipboardEntry>& items() const { return items_; }

    // Reads only the change counter unless the pasteboard changed since the last look.
    void poll();
    // Switching either way ignores whatever is on the pasteboard at that moment.
    void setEnabled(bool enabled);
    void setPaused(bool paused);
    // Puts the entry's text back on the pasteboard without recording it again.
    bool copy(const ClipboardEntry& entry);
    void remove(const ClipboardEntry& entry);
    void clear();

signals:
    void enabledChanged();
    void pausedChanged();
    void itemsChanged();
    void changed();

private:
    void publishItems();

    Pasteboard& pasteboard_;
    Clock now_;
    bool enabled_ = false;
    bool paused_ = false;
    QList<ClipboardEntry> items_;
    qint64 lastChangeCount_;
    ClipboardHistory history_{maximumItems, maximumTextLength};
    QTimer timer_;
};

}  // namespace tundle
