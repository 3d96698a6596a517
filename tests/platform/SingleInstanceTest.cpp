#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/SingleInstance.h"
#include "support/RunUntil.h"

namespace tundle {
namespace {

TEST(SingleInstanceTest, SecondCopyAsksTheFirstToReopen) {
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath("app.socket");
    // Left over from a copy that died: not answered, so taken over.
    QFile(path).open(QIODevice::WriteOnly);

    SingleInstance first(path);
    int reopened = 0;
    QObject::connect(&first, &SingleInstance::reopenRequested, [&reopened] { ++reopened; });
    ASSERT_TRUE(first.claim());

    SingleInstance second(path);
    EXPECT_FALSE(second.claim());
    EXPECT_TRUE(test::runUntil([&reopened] { return reopened == 1; }));
}

}  // namespace
}  // namespace tundle
