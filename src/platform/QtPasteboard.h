#pragma once

#include <QClipboard>
#include <QObject>

#include "companion/Pasteboard.h"

namespace tundle {

// The desktop clipboard. Qt signals changes without counting them, so the counter is kept here.
// Some desktops report the program's own write back to it later; as long as the clipboard still
// holds what this object put there, such a report is not a new change.
class QtPasteboard : public QObject, public Pasteboard {
    Q_OBJECT

public:
    // `clipboard` defaults to the application's.
    explicit QtPasteboard(QClipboard* clipboard = nullptr, QObject* parent = nullptr);

    qint64 changeCount() const override { return changeCount_; }
    QStringList types() const override;
    std::optional<QString> plainText() const override;
    void clearContents() override;
    bool setPlainText(const QString& text) override;

private:
    void noteChange();
    bool holdsOwnContent() const;

    QClipboard* clipboard_;
    qint64 changeCount_ = 0;
    bool writing_ = false;
};

}  // namespace tundle
