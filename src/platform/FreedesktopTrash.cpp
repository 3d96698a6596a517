#include "platform/FreedesktopTrash.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <optional>

#include "support/FileDescriptor.h"
#include "support/FileIO.h"
#include "support/LocalPath.h"
#include "support/MountTable.h"

namespace tundle {

namespace {

constexpr char infoSuffix[] = ".trashinfo";
// The longest name in `files`, so that its description's name still fits the file system.
constexpr qsizetype longestName = NAME_MAX - (sizeof(infoSuffix) - 1);
// Longer endings are part of the name, not a file type to keep.
constexpr qsizetype longestExtension = 16;

FileError trashFailure(const QByteArray& path, const QString& reason) {
    return FileError(
        QStringLiteral("无法将“%1”移入废纸篓：%2").arg(LocalPath::display(path), reason));
}

FileError trashFailure(const QByteArray& path, int error) {
    return trashFailure(path, qt_error_string(error));
}

QByteArray joined(const QByteArray& folder, const QByteArray& name) {
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

// Where a Trash keeps the items and where it keeps their descriptions.
struct TrashPlace {
    QByteArray folder;
    // The volume's top folder for a volume's own Trash, whose descriptions name items
    // relative to it; empty for the home Trash.
    QByteArray topFolder;
};

// Makes the folder when it is missing. True when a folder stands there; a strict check also
// wants it to be no link and to belong to this user, as a volume's Trash must. On false, errno
// says why.
bool ensureFolder(const QByteArray& path, bool strict) {
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
        return false;
    }
    struct stat info {};
    if ((strict ? ::lstat(path.constData(), &info) : ::stat(path.constData(), &info)) != 0) {
        return false;
    }
    if (!S_ISDIR(info.st_mode) || (strict && info.st_uid != ::geteuid())) {
        errno = ENOTDIR;
        return false;
    }
    return true;
}

bool ensureFolders(const QByteArray& path) {
    qsizetype slash = 0;
    while ((slash = path.indexOf('/', slash + 1)) > 0) {
        if (::mkdir(path.left(slash).constData(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
    }
    return ensureFolder(path, false);
}

std::optional<dev_t> deviceOf(const QByteArray& path) {
    struct stat info {};
    if (::stat(path.constData(), &info) != 0) {
        return std::nullopt;
    }
    return info.st_dev;
}

// The volume's shared `.Trash` counts only as a real folder with the sticky bit, so other
// users cannot take each other's items; otherwise the user's own `.Trash-<uid>`.
std::optional<QByteArray> volumeTrash(const QByteArray& top) {
    const QByteArray user = QByteArray::number(::geteuid());
    const QByteArray shared = joined(top, ".Trash");
    struct stat info {};
    if (::lstat(shared.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
        (info.st_mode & S_ISVTX) != 0) {
        const QByteArray own = shared + '/' + user;
        if (ensureFolder(own, true)) {
            return own;
        }
    }
    const QByteArray own = joined(top, ".Trash-" + user);
    if (ensureFolder(own, true)) {
        return own;
    }
    return std::nullopt;
}

// The first attempt keeps the item's name; later ones add a random part before the ending,
// so finding a free name takes the same few steps however many items share the name.
QByteArray candidateName(const QByteArray& name, int attempt) {
    const qsizetype dot = name.lastIndexOf('.');
    const bool hasExtension = dot > 0 && name.size() - dot <= longestExtension;
    const QByteArray extension = hasExtension ? name.mid(dot) : QByteArray();
    QByteArray stem = hasExtension ? name.left(dot) : name;
    const QByteArray mark =
        attempt == 0 ? QByteArray()
                     : '.' + QByteArray::number(QRandomGenerator::global()->generate(), 16)
                                 .rightJustified(8, '0');
    const qsizetype room = longestName - extension.size() - mark.size();
    if (stem.size() > room) {
        // Cut before a character, not inside one.
        qsizetype cut = room;
        while (cut > 0 && (static_cast<unsigned char>(stem[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        stem.truncate(cut);
    }
    return stem + mark + extension;
}

// Moves without ever replacing what stands at `to`; where the file system cannot refuse that
// in the rename itself, the place is checked just before.
int moveWithoutReplacing(const QByteArray& from, const QByteArray& to) {
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return -1;
    }
    struct stat info {};
    if (::lstat(to.constData(), &info) == 0) {
        errno = EEXIST;
        return -1;
    }
    return ::rename(from.constData(), to.constData());
}

}  // namespace

FreedesktopTrash::FreedesktopTrash(QByteArray homeTrash, std::function<QDateTime()> clock)
    : homeTrash_(std::move(homeTrash)), clock_(std::move(clock)) {}

QByteArray FreedesktopTrash::moveToTrash(const QByteArray& path) const {
    struct stat item {};
    if (::lstat(path.constData(), &item) != 0) {
        throw trashFailure(path, errno);
    }
    std::optional<TrashPlace> place;
    if (homeTrash_.startsWith('/') && ensureFolders(homeTrash_) &&
        deviceOf(homeTrash_) == item.st_dev) {
        place = TrashPlace{homeTrash_, {}};
    } else {
        const QByteArray top =
            MountTable::current().mountPointOf(LocalPath::resolved(LocalPath::folder(path)));
        if (const std::optional<QByteArray> trash = volumeTrash(top)) {
            place = TrashPlace{*trash, top};
        }
    }
    if (!place) {
        throw trashFailure(path, QStringLiteral("这个位置没有可用的废纸篓。"));
    }
    const bool strict = !place->topFolder.isEmpty();
    const QByteArray files = place->folder + "/files";
    const QByteArray info = place->folder + "/info";
    if (!ensureFolder(files, strict) || !ensureFolder(info, strict)) {
        throw trashFailure(path, errno);
    }

    QByteArray location = LocalPath::clean(path);
    if (strict) {
        const QByteArray resolved =
            joined(LocalPath::resolved(LocalPath::folder(path)), LocalPath::name(path));
        location = resolved.mid(joined(place->topFolder, {}).size());
    }
    const QByteArray description = describe(location, clock_());
    const QByteArray name = LocalPath::name(LocalPath::clean(path));
    for (int attempt = 0; attempt < nameAttempts; ++attempt) {
        const QByteArray chosen = candidateName(name, attempt);
        const QByteArray infoPath = info + '/' + chosen + infoSuffix;
        // The description claims the name first: O_EXCL makes the claim ours alone.
        FileDescriptor claim(::open(infoPath.constData(),
                                    O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
        if (!claim.isOpen()) {
            if (errno == EEXIST) {
                continue;
            }
            throw trashFailure(path, errno);
        }
        int failure = FileIO::writeAll(claim.get(), description);
        if (failure == 0 && ::close(claim.release()) != 0) {
            failure = errno;
        }
        if (failure != 0) {
            ::unlink(infoPath.constData());
            throw trashFailure(path, failure);
        }
        const QByteArray target = files + '/' + chosen;
        if (moveWithoutReplacing(path, target) == 0) {
            return target;
        }
        const int error = errno;
        ::unlink(infoPath.constData());
        if (error != EEXIST) {
            throw trashFailure(path, error);
        }
    }
    throw trashFailure(path, QStringLiteral("废纸篓中找不到空闲的名字。"));
}

void FreedesktopTrash::restore(const QByteArray& trashedPath, const QByteArray& originalPath) {
    if (moveWithoutReplacing(trashedPath, originalPath) != 0) {
        throw FileError(QStringLiteral("无法将“%1”放回“%2”：%3")
                            .arg(LocalPath::display(trashedPath), LocalPath::display(originalPath),
                                 qt_error_string(errno)));
    }
    // The description would otherwise stay behind as an entry the Trash cannot restore.
    const QByteArray files = LocalPath::folder(trashedPath);
    if (LocalPath::name(files) == "files") {
        ::unlink((LocalPath::folder(files) + "/info/" + LocalPath::name(trashedPath) + infoSuffix)
                     .constData());
    }
}

QByteArray FreedesktopTrash::describe(const QByteArray& location, const QDateTime& deletedAt) {
    return "[Trash Info]\nPath=" + location.toPercentEncoding("/") + "\nDeletionDate=" +
           deletedAt.toLocalTime().toString(QStringLiteral("yyyy-MM-ddThh:mm:ss")).toLatin1() +
           '\n';
}

}  // namespace tundle
