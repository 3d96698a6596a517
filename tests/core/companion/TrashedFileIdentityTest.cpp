#include "companion/TrashedFileIdentity.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "support/TemporaryHome.h"

namespace tundle {
namespace {

TEST(TrashedFileIdentityTest, NamesOneItemWithoutFollowingLinks) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("file"));
    const QString link = dir.filePath(QStringLiteral("link"));
    test::writeAll(file, "bytes");
    test::writeAll(dir.filePath(QStringLiteral("other")), "bytes");
    QFile::link(file, link);

    const auto identity = TrashedFileIdentity::read(file);
    ASSERT_TRUE(identity.has_value());
    EXPECT_EQ(TrashedFileIdentity::read(file), identity);
    EXPECT_NE(TrashedFileIdentity::read(link), identity);
    EXPECT_NE(TrashedFileIdentity::read(dir.filePath(QStringLiteral("other"))), identity);
    ASSERT_TRUE(QFile::rename(file, dir.filePath(QStringLiteral("moved"))));
    EXPECT_EQ(TrashedFileIdentity::read(dir.filePath(QStringLiteral("moved"))), identity);
    EXPECT_FALSE(TrashedFileIdentity::read(file).has_value());
    EXPECT_FALSE(TrashedFileIdentity::read(QString()).has_value());
}

}  // namespace
}  // namespace tundle
