#include "update/StagedInstall.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <set>

#include "support/TemporaryHome.h"

namespace tundle {
namespace {

// An install folder and an unpacked new one beside it, each with its program file.
struct SwapWorld {
    QTemporaryDir dir;
    QString location = dir.filePath(QStringLiteral("pet-tundle"));
    QString staged = dir.filePath(QStringLiteral(".pet-tundle.staged"));

    SwapWorld() {
        for (const auto& [folder, program] : {std::pair{location, QByteArray("old build")},
                                              std::pair{staged, QByteArray("new build")}}) {
            QDir().mkpath(folder + QStringLiteral("/bin"));
            test::writeAll(folder + QStringLiteral("/bin/pet-tundle"), program);
        }
    }
    QByteArray program() const {
        return test::readAll(location + QStringLiteral("/bin/pet-tundle"));
    }
    // Real renames, but the ones numbered in `failing` (counting from 1) fail.
    StagedInstall::Rename renameFailing(std::set<int> failing) {
        return [failing, calls = 0](const QString& from, const QString& to) mutable {
            return !failing.contains(++calls) && QDir().rename(from, to);
        };
    }
};

TEST(StagedInstallTest, ASwapThatFailsPutsTheOldFolderBackOrSaysWhereItWasLeft) {
    SwapWorld swapped;
    EXPECT_EQ(StagedInstall::swapIn(swapped.staged, swapped.location, swapped.renameFailing({})),
              std::nullopt);
    EXPECT_EQ(swapped.program(), "new build");
    EXPECT_EQ(QDir(swapped.dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("pet-tundle")})
        << "the old folder is removed once the new one is in";

    SwapWorld restored;
    EXPECT_EQ(
        StagedInstall::swapIn(restored.staged, restored.location, restored.renameFailing({2})),
        QStringLiteral("无法替换安装文件夹"));
    EXPECT_EQ(restored.program(), "old build");

    SwapWorld stranded;
    const std::optional<QString> failure =
        StagedInstall::swapIn(stranded.staged, stranded.location, stranded.renameFailing({2, 3}));
    ASSERT_TRUE(failure);
    EXPECT_FALSE(QFileInfo::exists(stranded.location));
    const QStringList aside =
        QDir(stranded.dir.path())
            .entryList({QStringLiteral(".pet-tundle.previous-*")}, QDir::Dirs | QDir::Hidden);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(*failure, QStringLiteral("无法替换安装文件夹，原安装文件夹留在“%1”，请把它改回“%2”")
                            .arg(stranded.dir.filePath(aside.front()), stranded.location));
}

}  // namespace
}  // namespace tundle
