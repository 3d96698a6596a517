#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace tundle {

// A local path as the file system knows it: bytes, which need not be valid UTF-8. A name that
// is not valid UTF-8 survives only as bytes; decoded to text it would name another file.
class LocalPath {
public:
    // The path of a file URL as its bytes, every percent-escape decoded.
    static QByteArray fromUrl(const QUrl& url);
    // A file URL whose path gives back exactly these bytes.
    static QUrl toUrl(const QByteArray& path);
    // "." and ".." resolved and repeated or trailing "/" dropped, without asking the disk.
    static QByteArray clean(const QByteArray& path);
    // The folder that holds the item (an absolute, clean path), and the item's own name.
    static QByteArray folder(const QByteArray& path);
    static QByteArray name(const QByteArray& path);
    // Every symbolic link resolved; for an item that does not resolve (a dangling link) its
    // folder is resolved and its own name kept.
    static QByteArray resolved(const QByteArray& path);
    // For messages: bytes that are not UTF-8 show as replacement characters.
    static QString display(const QByteArray& path);
};

}  // namespace tundle
