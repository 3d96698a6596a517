#include "companion/ProtectedPlaces.h"

#include <sys/stat.h>

#include <QList>
#include <algorithm>

#include "support/LocalPath.h"

namespace tundle {

namespace {

const QList<QByteArray>& systemRoots() {
    static const QList<QByteArray> roots{
        "/",        "/System", "/Library",     "/Applications", "/Users",       "/Volumes",
        "/private", "/usr",    "/bin",         "/sbin",         "/dev",         "/etc",
        "/tmp",     "/var",    "/private/etc", "/private/tmp",  "/private/var", "/boot",
        "/home",    "/lib",    "/lib32",       "/lib64",        "/media",       "/mnt",
        "/opt",     "/proc",   "/root",        "/run",          "/snap",        "/srv",
        "/sys"};
    return roots;
}

bool isInside(const QByteArray& path, const QByteArray& folder) {
    return path == folder || (path.startsWith(folder) && path.size() > folder.size() &&
                              (path[folder.size()] == '/' || folder.endsWith('/')));
}

bool isTrashFolderName(const QByteArray& name) {
    if (name == ".Trash" || name == ".Trashes") {
        return true;
    }
    const QByteArray user = name.mid(7);
    return name.startsWith(".Trash-") && !user.isEmpty() &&
           std::all_of(user.begin(), user.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isVolumeRoot(const QList<QByteArray>& parts) {
    return (parts.size() == 2 && parts[0] == "Volumes") ||
           (parts.size() == 3 && parts[0] == "media") ||
           (parts.size() == 4 && parts[0] == "run" && parts[1] == "media");
}

// A file system mounted where the kernel's table does not say so (no /proc) still shows by
// its device.
bool isOnAnotherDevice(const QByteArray& path) {
    struct stat item {};
    struct stat parent {};
    return ::lstat(path.constData(), &item) == 0 &&
           ::lstat(LocalPath::folder(path).constData(), &parent) == 0 &&
           item.st_dev != parent.st_dev;
}

}  // namespace

ProtectedPlaces::ProtectedPlaces(const QByteArray& home, const QByteArray& trash, MountTable mounts)
    : home_(LocalPath::clean(home)),
      trash_(LocalPath::clean(trash)),
      resolvedHome_(LocalPath::resolved(home)),
      resolvedTrash_(LocalPath::resolved(trash)),
      mounts_(std::move(mounts)) {
    // Where a listed place is a link, the place it leads to is just as protected.
    for (const QByteArray& root : systemRoots()) {
        roots_.insert(root);
        roots_.insert(LocalPath::resolved(root));
    }
}

bool ProtectedPlaces::contains(const QByteArray& path) const {
    return matches(LocalPath::resolved(path), resolvedHome_, resolvedTrash_) ||
           matches(LocalPath::clean(path), home_, trash_);
}

bool ProtectedPlaces::matches(const QByteArray& path, const QByteArray& home,
                              const QByteArray& trash) const {
    if (roots_.contains(path) || isInside(home, path) || path == home + "/Library" ||
        path == home + "/.local" || path == home + "/.config" || isInside(path, trash)) {
        return true;
    }
    const QList<QByteArray> parts = path.split('/');
    QList<QByteArray> named;
    std::copy_if(parts.begin(), parts.end(), std::back_inserter(named),
                 [](const QByteArray& part) { return !part.isEmpty(); });
    return std::any_of(named.begin(), named.end(), isTrashFolderName) || isVolumeRoot(named) ||
           mounts_.isMountPoint(path) || isOnAnotherDevice(path);
}

}  // namespace tundle
