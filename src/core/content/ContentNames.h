#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace tundle {

// A name that can only ever be one plain folder or file name: at most 100 characters, the
// first a letter or digit, the rest letters, digits, "_", "." or "-". The whole text must
// match, so a trailing line break is refused like any other character.
bool isSafeName(const QString& name);

// Exactly 64 lowercase hexadecimal digits.
bool isHashText(const QString& text);

// Standard base64 with padding and nothing else: no line breaks, spaces or URL-safe letters.
std::optional<QByteArray> decodeStrictBase64(const QString& text);

}  // namespace tundle
