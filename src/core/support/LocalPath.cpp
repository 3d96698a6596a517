#include "support/LocalPath.h"

#include <climits>
#include <cstdlib>
#include <memory>

#include <QFile>
#include <QList>

namespace tundle {

namespace {

QByteArray realPath(const QByteArray& path) {
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.constData(), nullptr),
                                                           &std::free);
    return real ? QByteArray(real.get()) : QByteArray();
}

}  // namespace

QByteArray LocalPath::fromUrl(const QUrl& url) {
    return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
}

QUrl LocalPath::toUrl(const QByteArray& path) {
    const QString text = QFile::decodeName(path);
    if (QFile::encodeName(text) == path) {
        return QUrl::fromLocalFile(text);
    }
    QUrl url;
    url.setScheme(QStringLiteral("file"));
    url.setHost(QString());
    url.setPath(QString::fromLatin1(path.toPercentEncoding("/")), QUrl::TolerantMode);
    return url;
}

QByteArray LocalPath::clean(const QByteArray& path) {
    QList<QByteArray> parts;
    for (const QByteArray& part : path.split('/')) {
        if (part.isEmpty() || part == ".") {
            continue;
        }
        if (part == "..") {
            if (!parts.isEmpty() && parts.constLast() != "..") {
                parts.removeLast();
            } else if (!path.startsWith('/')) {
                parts.append(part);
            }
            continue;
        }
        parts.append(part);
    }
    const QByteArray joined = parts.join('/');
    if (path.startsWith('/')) {
        return '/' + joined;
    }
    return joined.isEmpty() ? QByteArray(".") : joined;
}

QByteArray LocalPath::folder(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

QByteArray LocalPath::name(const QByteArray& path) {
    return path.mid(path.lastIndexOf('/') + 1);
}

QByteArray LocalPath::resolved(const QByteArray& path) {
    const QByteArray clean = LocalPath::clean(path);
    if (QByteArray real = realPath(clean); !real.isEmpty()) {
        return real;
    }
    const QByteArray folder = realPath(LocalPath::folder(clean));
    if (folder.isEmpty()) {
        return clean;
    }
    return LocalPath::clean(folder + '/' + name(clean));
}

QString LocalPath::display(const QByteArray& path) {
    return QFile::decodeName(path);
}

}  // namespace tundle
