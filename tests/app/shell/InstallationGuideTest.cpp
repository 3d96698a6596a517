#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "shell/InstallationGuide.h"

namespace tundle {
namespace {

// What scripts/install lays down under a prefix: the program and its data folder in a folder of
// their own. Returns the program.
QString layOut(const QDir& prefix) {
    prefix.mkpath(QStringLiteral("pet-tundle/bin"));
    prefix.mkpath(QStringLiteral("pet-tundle/share/pet-tundle/H3"));
    const QString program = prefix.filePath(QStringLiteral("pet-tundle/bin/pet-tundle"));
    QFile(program).open(QIODevice::WriteOnly);
    return program;
}

MountKind writable(const QString&) {
    return MountKind::writable;
}

TEST(InstallationGuideTest, AFolderLaidOutByTheInstallerCountsWhereverItIs) {
    QTemporaryDir root;
    const QDir dir(QFileInfo(root.path()).canonicalFilePath());
    for (const char* prefix : {"srv/tools", "home/ann/apps", "home/ann/.local", "opt", "usr/local",
                               "Applications/tools"}) {
        const QString program = layOut(QDir(dir.filePath(prefix)));
        const QString folder = dir.filePath(prefix + QStringLiteral("/pet-tundle"));
        // The updater replaces this folder; the guide keeps quiet about it.
        EXPECT_EQ(InstallationGuide::installLocation(program, &writable),
                  std::optional<QString>(folder))
            << prefix;
    }
    // A link is judged by where it points.
    QFile::link(dir.filePath("srv/tools"), dir.filePath("linked"));
    EXPECT_EQ(InstallationGuide::installLocation(dir.filePath("linked/pet-tundle/bin/pet-tundle"),
                                                 &writable),
              std::optional<QString>(dir.filePath("srv/tools/pet-tundle")));

    const QString program = dir.filePath("srv/tools/pet-tundle/bin/pet-tundle");
    // The guide asks the same question of the file system the temporary folder lies on.
    EXPECT_EQ(InstallationGuide::needsInstallation(program),
              InstallationGuide::mountOf(program) != MountKind::writable);
    for (const MountKind kind : {MountKind::readOnly, MountKind::temporary}) {
        EXPECT_EQ(
            InstallationGuide::installLocation(program, [kind](const QString&) { return kind; }),
            std::nullopt);
    }
}

TEST(InstallationGuideTest, AnythingElseMustBeInstalledFirst) {
    QTemporaryDir root;
    const QDir dir(QFileInfo(root.path()).canonicalFilePath());
    // A build tree, with its own program and one installed inside it.
    dir.mkpath("build/src/app");
    QFile(dir.filePath("build/CMakeCache.txt")).open(QIODevice::WriteOnly);
    QFile(dir.filePath("build/src/app/pet-tundle")).open(QIODevice::WriteOnly);
    layOut(QDir(dir.filePath("build/staged")));
    // A shared prefix, a program without its data folder, a folder of another name.
    dir.mkpath("usr/bin");
    dir.mkpath("usr/share/pet-tundle");
    QFile(dir.filePath("usr/bin/pet-tundle")).open(QIODevice::WriteOnly);
    dir.mkpath("bare/pet-tundle/bin");
    QFile(dir.filePath("bare/pet-tundle/bin/pet-tundle")).open(QIODevice::WriteOnly);
    dir.mkpath("other/tundle/bin");
    dir.mkpath("other/tundle/share/pet-tundle");
    QFile(dir.filePath("other/tundle/bin/pet-tundle")).open(QIODevice::WriteOnly);
    layOut(QDir(dir.filePath("AppTranslocation/x")));
    QFile::link(dir.filePath("build/staged"), dir.filePath("linked"));

    for (const char* path :
         {"build/src/app/pet-tundle", "build/staged/pet-tundle/bin/pet-tundle",
          "linked/pet-tundle/bin/pet-tundle", "usr/bin/pet-tundle",
          "bare/pet-tundle/bin/pet-tundle", "other/tundle/bin/pet-tundle",
          "AppTranslocation/x/pet-tundle/bin/pet-tundle", "missing/pet-tundle/bin/pet-tundle"}) {
        EXPECT_EQ(InstallationGuide::installLocation(dir.filePath(path), &writable), std::nullopt)
            << path;
        EXPECT_TRUE(InstallationGuide::needsInstallation(dir.filePath(path))) << path;
    }
}

}  // namespace
}  // namespace tundle
