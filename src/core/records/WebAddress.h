#pragma once

#include <QString>

namespace tundle {

// The one rule for what a user may type as a website shortcut. The address is kept exactly as
// typed (only trimmed, or given "https://" when no scheme was typed): tolerant URL parsers
// rewrite input, so the text is split by RFC 3986 here and only checked.
class WebAddress {
public:
    WebAddress() = delete;

    // The http or https address that `typed` stands for; throws ShortcutError saying what is
    // wrong with it otherwise.
    static QString fromTyped(const QString& typed);
};

}  // namespace tundle
