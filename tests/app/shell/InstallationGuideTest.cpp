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
    const char* programs[] = {"Applications/pet-tundle/bin",
                              "Applications/tools/pet-tundle/bin",
                              "Applications/bin",
                              "Applications/other/bin",
                              "ApplicationsOld/pet-tundle/bin",
                              "elsewhere/pet-tundle/bin",
                              "AppTranslocation/pet-tundle/bin",
                              "build/pet-tundle/bin"};
    for (const char* folder : programs) {
        dir.mkpath(folder);
    }
    QFile(dir.filePath("build/CMakeCache.txt")).open(QIODevice::WriteOnly);
    QFile::link(dir.filePath("elsewhere"), dir.filePath("Applications/link"));
    dir.mkpath("Applications/link/pet-tundle/bin");
    const QStringList places = {dir.filePath("missing"), dir.filePath("Applications"),
                                dir.filePath("AppTranslocation"), dir.filePath("build")};
    const auto writable = [](const QString&) { return MountKind::writable; };

    struct Case {
        const char* path;
        bool needs;
    };
    const Case cases[] = {
        {"Applications/pet-tundle/bin/pet-tundle", false},
        {"Applications/tools/pet-tundle/bin/pet-tundle", false},
        // A shared prefix is no folder the updater may replace.
        {"Applications/bin/pet-tundle", true},
        {"Applications/other/bin/pet-tundle", true},
        {"ApplicationsOld/pet-tundle/bin/pet-tundle", true},
        {"Applications/link/pet-tundle/bin/pet-tundle", true},  // judged by where the link points
        {"elsewhere/pet-tundle/bin/pet-tundle",
         true},  // a missing place is no prefix of everything
        {"AppTranslocation/pet-tundle/bin/pet-tundle", true},
        {"build/pet-tundle/bin/pet-tundle", true},
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
        EXPECT_TRUE(InstallationGuide::needsInstallation(
            dir.filePath("Applications/pet-tundle/bin/pet-tundle"), places,
            [kind](const QString&) { return kind; }));
    }
}

TEST(InstallationGuideTest, UpdatesReplaceOnlyAFolderOfOurOwn) {
    EXPECT_EQ(InstallationGuide::installLocation("/home/ann/.local/pet-tundle/bin/pet-tundle"),
              std::optional<QString>("/home/ann/.local/pet-tundle"));
    EXPECT_EQ(InstallationGuide::installLocation("/opt/pet-tundle/bin/pet-tundle"),
              std::optional<QString>("/opt/pet-tundle"));
    EXPECT_EQ(InstallationGuide::installLocation("/usr/local/bin/pet-tundle"), std::nullopt);
    EXPECT_EQ(InstallationGuide::installLocation("/opt/pet-tundle/pet-tundle"), std::nullopt);
    EXPECT_EQ(InstallationGuide::installLocation("/opt/pet-tundle-old/bin/pet-tundle"),
              std::nullopt);
}

}  // namespace
}  // namespace tundle
