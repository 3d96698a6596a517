#include "support/LocalPath.h"

#include <gtest/gtest.h>

#include "support/MountTable.h"

namespace tundle {
namespace {

TEST(LocalPath, FileUrlsKeepEveryByteOfTheName) {
    const QList<QByteArray> paths{"/home/ann/notes.txt", "/tmp/bad\xff", "/tmp/a%20b c",
                                  "/tmp/two\nlines",     "/tmp/#?;",     "/tmp/文件.txt"};
    for (const QByteArray& path : paths) {
        EXPECT_EQ(LocalPath::fromUrl(LocalPath::toUrl(path)), path) << path.toStdString();
    }
    EXPECT_EQ(LocalPath::toUrl("/tmp/文件 1.txt"),
              QUrl::fromLocalFile(QStringLiteral("/tmp/文件 1.txt")));
    EXPECT_EQ(LocalPath::fromUrl(QUrl::fromEncoded("file:///tmp/bad%FF")), "/tmp/bad\xff");
    EXPECT_NE(LocalPath::toUrl("/tmp/bad\xff"), LocalPath::toUrl("/tmp/bad\xef\xbf\xbd"));
}

TEST(LocalPath, CleaningResolvesDotsWithoutTheDisk) {
    EXPECT_EQ(LocalPath::clean("/a/./b//c/../d/"), "/a/b/d");
    EXPECT_EQ(LocalPath::clean("/../x"), "/x");
    EXPECT_EQ(LocalPath::clean("/"), "/");
    EXPECT_EQ(LocalPath::clean("/a/\xff/../b"), "/a/b");
    EXPECT_EQ(LocalPath::folder("/a/b"), "/a");
    EXPECT_EQ(LocalPath::folder("/a"), "/");
    EXPECT_EQ(LocalPath::name("/a/b\xff"), "b\xff");
}

TEST(MountTable, ReadsEscapedMountPointsAndFindsTheDeepestHolder) {
    const MountTable table = MountTable::parse(
        "22 1 0:21 / / rw - ext4 /dev/vda rw\n"
        "30 22 0:40 / /media/ann/My\\040Disk rw - vfat /dev/sdb1 rw\n"
        "31 22 8:1 /srv/data /home/ann/bound rw - ext4 /dev/vda rw\n");
    EXPECT_TRUE(table.isMountPoint("/media/ann/My Disk"));
    EXPECT_TRUE(table.isMountPoint("/home/ann/bound"));
    EXPECT_FALSE(table.isMountPoint("/home/ann"));
    EXPECT_EQ(table.mountPointOf("/media/ann/My Disk/photos/a.jpg"), "/media/ann/My Disk");
    EXPECT_EQ(table.mountPointOf("/home/ann/bound"), "/home/ann/bound");
    EXPECT_EQ(table.mountPointOf("/home/ann/boundless"), "/");
    EXPECT_TRUE(MountTable::current().isMountPoint("/"));
}

}  // namespace
}  // namespace tundle
