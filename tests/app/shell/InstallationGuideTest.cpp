#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

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

// Answers the next modal alerts with the buttons titled in `answers`, noting their messages.
std::shared_ptr<QStringList> answerAlerts(QStringList answers) {
    auto messages = std::make_shared<QStringList>();
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [timer, messages, answers]() mutable {
        auto* alert = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (alert == nullptr) {
            return;
        }
        *messages << alert->text();
        const QString title = answers.takeFirst();
        for (QAbstractButton* button : alert->buttons()) {
            if (button->text() == title) {
                button->click();
            }
        }
        if (answers.isEmpty()) {
            timer->deleteLater();
        }
    });
    timer->start(10);
    return messages;
}

TEST(InstallationGuideTest, LaterChangesNothingAndAFailedOpeningExplains) {
    int opened = 0;
    answerAlerts({"稍后安装"});
    InstallationGuide::show([&opened](const QUrl&) { return ++opened, true; });
    EXPECT_EQ(opened, 0);

    QUrl folder;
    const auto messages = answerAlerts({"打开应用程序文件夹并退出", "OK"});
    InstallationGuide::show([&folder](const QUrl& url) { return folder = url, false; });
    EXPECT_EQ(folder, QUrl::fromLocalFile(InstallationGuide::applicationsFolder()));
    EXPECT_TRUE(QFileInfo(InstallationGuide::applicationsFolder()).isDir());
    EXPECT_EQ(*messages, (QStringList{"先将糯墩放入“应用程序”", "未能打开“应用程序”文件夹"}));
}

}  // namespace
}  // namespace tundle
