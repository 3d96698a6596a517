#include "companion/FileBookmark.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <array>

#include "companion/TrashedFileIdentity.h"

namespace tundle {

namespace {

constexpr char magic[] = "TBK1";
constexpr qsizetype magicSize = 4;
constexpr qsizetype fieldCount = 4;
constexpr qsizetype headerSize = magicSize + fieldCount * 8;

struct Decoded {
    QString path;
    TrashedFileIdentity identity;
};

void append(QByteArray& bytes, std::uint64_t value) {
    std::array<char, 8> field{};
    qToBigEndian(value, field.data());
    bytes.append(field.data(), 8);
}

std::uint64_t field(const QByteArray& bytes, qsizetype index) {
    return qFromBigEndian<std::uint64_t>(bytes.constData() + magicSize + index * 8);
}

std::optional<Decoded> decode(const QByteArray& bytes) {
    if (bytes.size() <= headerSize || !bytes.startsWith(QByteArrayView(magic, magicSize))) {
        return std::nullopt;
    }
    Decoded decoded;
    decoded.identity.device = field(bytes, 0);
    decoded.identity.inode = field(bytes, 1);
    decoded.identity.birthSeconds = static_cast<std::int64_t>(field(bytes, 2));
    decoded.identity.birthNanoseconds = static_cast<std::int64_t>(field(bytes, 3));
    decoded.path = QFile::decodeName(bytes.mid(headerSize));
    if (!decoded.path.startsWith(u'/')) {
        return std::nullopt;
    }
    return decoded;
}

bool isItem(const QString& path, const TrashedFileIdentity& identity) {
    return TrashedFileIdentity::read(path) == identity;
}

}  // namespace

std::optional<QByteArray> FileBookmark::make(const QString& path) {
    const auto identity = TrashedFileIdentity::read(path);
    if (!identity || !path.startsWith(u'/')) {
        return std::nullopt;
    }
    QByteArray bytes(magic, magicSize);
    append(bytes, identity->device);
    append(bytes, identity->inode);
    append(bytes, static_cast<std::uint64_t>(identity->birthSeconds));
    append(bytes, static_cast<std::uint64_t>(identity->birthNanoseconds));
    bytes.append(QFile::encodeName(path));
    return bytes;
}

std::optional<QString> FileBookmark::resolve(const QByteArray& bookmark) {
    const auto decoded = decode(bookmark);
    if (!decoded) {
        return std::nullopt;
    }
    if (isItem(decoded->path, decoded->identity)) {
        return decoded->path;
    }
    const QDir folder = QFileInfo(decoded->path).dir();
    for (const QString& name :
         folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const QString candidate = folder.filePath(name);
        if (isItem(candidate, decoded->identity)) {
            return candidate;
        }
    }
    if (QFileInfo::exists(decoded->path)) {
        return decoded->path;
    }
    return std::nullopt;
}

}  // namespace tundle
