#include "support/MountTable.h"

#include <QList>
#include <exception>

#include "support/FileIO.h"

namespace tundle {

namespace {

// Far more than any machine lists; a longer table is read as far as this.
constexpr qint64 mountinfoLimit = 8 << 20;

// The kernel writes a space, a tab, a newline and a backslash in a path as "\040", "\011",
// "\012" and "\134".
QByteArray unescaped(const QByteArray& field) {
    QByteArray path;
    path.reserve(field.size());
    for (qsizetype index = 0; index < field.size(); ++index) {
        const auto isOctal = [&](qsizetype at) {
            return at < field.size() && field[at] >= '0' && field[at] <= '7';
        };
        if (field[index] == '\\' && isOctal(index + 1) && isOctal(index + 2) &&
            isOctal(index + 3)) {
            path.append(char((field[index + 1] - '0') * 64 + (field[index + 2] - '0') * 8 +
                             (field[index + 3] - '0')));
            index += 3;
        } else {
            path.append(field[index]);
        }
    }
    return path;
}

}  // namespace

MountTable MountTable::current() {
    try {
        return parse(FileIO::readAtMost(QStringLiteral("/proc/self/mountinfo"), mountinfoLimit));
    } catch (const std::exception&) {
        return MountTable();
    }
}

MountTable MountTable::parse(const QByteArray& mountinfo) {
    MountTable table;
    for (const QByteArray& line : mountinfo.split('\n')) {
        // mount ID, parent ID, device, root, mount point, ...
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() > 4 && fields[4].startsWith('/')) {
            table.points_.insert(unescaped(fields[4]));
        }
    }
    return table;
}

bool MountTable::isMountPoint(const QByteArray& path) const {
    return points_.contains(path);
}

QByteArray MountTable::mountPointOf(const QByteArray& path) const {
    QByteArray candidate = path;
    while (!candidate.isEmpty() && candidate != "/") {
        if (points_.contains(candidate)) {
            return candidate;
        }
        const qsizetype slash = candidate.lastIndexOf('/');
        candidate.truncate(slash);
    }
    return QByteArray("/");
}

}  // namespace tundle
