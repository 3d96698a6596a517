#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tundle {

// The system clipboard as the clipboard history sees it: a counter that moves on every new
// content, the content's type identifiers and its plain text.
class Pasteboard {
public:
    virtual ~Pasteboard() = default;

    virtual qint64 changeCount() const = 0;
    virtual QStringList types() const = 0;
    // None when the content has no plain-text form (an image, files only).
    virtual std::optional<QString> plainText() const = 0;
    virtual void clearContents() = 0;
    // Returns whether the clipboard took the text.
    virtual bool setPlainText(const QString& text) = 0;
};

}  // namespace tundle
