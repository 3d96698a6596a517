#include <gtest/gtest.h>

#include <sys/mman.h>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "platform/FreedMemory.h"

namespace tundle {
namespace {

TEST(FreedMemoryTest, OnlyFontFilesThatCannotBeWrittenAreListed) {
    const std::string_view maps =
        "7f0000000000-7f0000400000 r--p 00000000 08:01 1234   "
        "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc\n"
        "7f0000400000-7f0000410000 r--s 00000000 08:01 1235   /home/a b/Fonts/My Face.TTF\n"
        "7f0000410000-7f0000420000 rw-p 00000000 08:01 1236   /tmp/edited.otf\n"
        "7f0000420000-7f0000430000 r-xp 00000000 08:01 1237   /usr/lib/libfreetype.so.6\n"
        "7f0000430000-7f0000440000 rw-p 00000000 00:00 0 \n"
        "7f0000440000-7f0000450000 r--p 00000000 08:01 1238   /tmp/gone.ttf (deleted)\n"
        "7f0000450000-7f0000460000 r--p 00000000 08:01 1239   /usr/share/fonts/x.otc";
    const std::vector<MappedRange> expected = {{0x7f0000000000, 0x7f0000400000},
                                               {0x7f0000400000, 0x7f0000410000},
                                               {0x7f0000450000, 0x7f0000460000}};
    EXPECT_EQ(readOnlyFontMappings(maps), expected);
    EXPECT_TRUE(readOnlyFontMappings("").empty());
    EXPECT_TRUE(readOnlyFontMappings("garbage r--p x.ttf\n-\n").empty());
}

// The resident kilobytes of the mapping that starts at `address`, from /proc/self/smaps.
int residentKilobytes(const void* address) {
    QFile file(QStringLiteral("/proc/self/smaps"));
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QString start = QString::number(reinterpret_cast<quintptr>(address), 16) + u'-';
    QTextStream lines(&file);
    bool inside = false;
    for (QString line = lines.readLine(); !line.isNull(); line = lines.readLine()) {
        if (line.section(u' ', 0, 0).contains(u'-')) {
            inside = line.startsWith(start);
        } else if (inside && line.startsWith(QStringLiteral("Rss:"))) {
            return line.section(u' ', 1, -1, QString::SectionSkipEmpty).section(u' ', 0, 0).toInt();
        }
    }
    return -1;
}

TEST(FreedMemoryTest, AFontFilesPagesLeaveTheProcessAndReadBackTheSame) {
    QTemporaryDir folder;
    QFile font(folder.filePath(QStringLiteral("face.ttf")));
    ASSERT_TRUE(font.open(QIODevice::WriteOnly));
    QByteArray contents(256 * 1024, Qt::Uninitialized);
    for (qsizetype i = 0; i < contents.size(); ++i) {
        contents[i] = char(i * 7 % 251);
    }
    font.write(contents);
    font.close();
    ASSERT_TRUE(font.open(QIODevice::ReadOnly));
    void* mapped =
        mmap(nullptr, std::size_t(contents.size()), PROT_READ, MAP_PRIVATE, font.handle(), 0);
    ASSERT_NE(mapped, MAP_FAILED);
    const QByteArray read(static_cast<const char*>(mapped), contents.size());
    EXPECT_EQ(read, contents);
    EXPECT_GE(residentKilobytes(mapped), 128);

    returnFreedMemory();
    EXPECT_EQ(residentKilobytes(mapped), 0);
    EXPECT_EQ(QByteArray(static_cast<const char*>(mapped), contents.size()), contents);
    munmap(mapped, std::size_t(contents.size()));
}

}  // namespace
}  // namespace tundle
