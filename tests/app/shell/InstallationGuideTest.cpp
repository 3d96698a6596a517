#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "shell/InstallationGuide.h"

namespace tundle {
namespace {

TEST(InstallationGuideTest, InstalledPlacesInOrder) {
    EXPECT_EQ(InstallationGuide::installedPlaces("/home/ann"),
              (QStringList{"/Applications", "/home/ann/Applications", "/opt", "/usr", "/usr/local",
                           "/home/ann/.local"}));
}

TEST(InstallationGuideTest, JudgesTheResolvedPathByWholeComponents) {
    QTemporaryDir root;
    const QDir dir(root.path());
    for (const char* folder :
         {"Applications/tools", "ApplicationsOld", "elsewhere", "AppTranslocation", "build/bin"}) {
        dir.mkpath(folder);
    }
    QFile(dir.filePath("build/CMakeCache.txt")).open(QIODevice::WriteOnly);
    QFile::link(dir.filePath("elsewhere"), dir.filePath("Applications/link"));
    const QStringList places = {dir.filePath("missing"), dir.filePath("Applications"),
                                dir.filePath("AppTranslocation"), dir.filePath("build")};
    const auto writable = [](const QString&) { return MountKind::writable; };

    struct Case {
        const char* path;
        bool needs;
    };
    const Case cases[] = {
        {"Applications/pet-tundle", false},
        {"Applications/tools/pet-tundle", false},
        {"ApplicationsOld/pet-tundle", true},
        {"Applications/link/pet-tundle", true},  // judged by where the link points
        {"elsewhere/pet-tundle", true},          // a missing place is no prefix of everything
        {"AppTranslocation/pet-tundle", true},
        {"build/bin/pet-tundle", true},
    };
    for (const Case& c : cases) {
        QFile(dir.filePath(c.path)).open(QIODevice::WriteOnly);
    }
    for (const Case& c : cases) {
        EXPECT_EQ(InstallationGuide::needsInstallation(dir.filePath(c.path), places, writable),
                  c.needs)
            << c.path;
    }
    for (const MountKind kind : {MountKind::readOnly, MountKind::temporary}) {
        EXPECT_TRUE(InstallationGuide::needsInstallation(dir.filePath("Applications/pet-tundle"),
                                                         places,
                                                         [kind](const QString&) { return kind; }));
    }
}

}  // namespace
}  // namespace tundle
