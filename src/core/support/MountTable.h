#pragma once

#include <QByteArray>
#include <QSet>

namespace tundle {

// The mount points this process sees. Bind mounts are mount points of their own, although
// they share the device of the folder above them, so the table comes from the kernel's list
// rather than from device numbers.
class MountTable {
public:
    // This process's table from /proc/self/mountinfo; empty when that cannot be read.
    static MountTable current();
    // The table described by the text of a mountinfo file.
    static MountTable parse(const QByteArray& mountinfo);

    // `path` is absolute, clean and has its links resolved.
    bool isMountPoint(const QByteArray& path) const;
    // The mount point whose file system holds `path`: the deepest one it lies in.
    QByteArray mountPointOf(const QByteArray& path) const;

private:
    QSet<QByteArray> points_;
};

}  // namespace tundle
