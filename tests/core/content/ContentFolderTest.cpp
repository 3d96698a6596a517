#include "content/ContentFolder.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "content/ContentEnvelope.h"
#include "support/FileIO.h"
#include "support/TemporaryHome.h"

namespace tundle {
namespace {

// An envelope of a few hundred bytes, read under the envelope's generous limit, holds its own
// size; one past the limit still shows as one byte over.
TEST(ContentFolderTest, ReadsHoldWhatTheFileHoldsAndStopOneByteOverTheLimit) {
    QTemporaryDir dir;
    const ContentFolder folder = ContentFolder::openCreating(dir.filePath("store"));
    folder.writeNewFile(QStringLiteral("envelope.json"), QByteArray(300, 'e'));

    const QByteArray small =
        folder.readRegularFile(QStringLiteral("envelope.json"), ContentEnvelope::byteLimit);
    EXPECT_EQ(small, QByteArray(300, 'e'));
    EXPECT_LE(small.capacity(), 301);
    EXPECT_EQ(folder.readRegularFile(QStringLiteral("envelope.json"), 100).size(), 101);

    EXPECT_THROW(folder.writeNewFile(QStringLiteral("envelope.json"), "again"), FileError);
    EXPECT_EQ(test::readAll(dir.filePath("store/envelope.json")), QByteArray(300, 'e'));
}

}  // namespace
}  // namespace tundle
