#include "toolkit/FileChooser.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "editors/ConfigurationPreview.h"
#include "editors/ConfigurationSection.h"
#include "editors/ShortcutDraft.h"
#include "editors/ShortcutEditor.h"
#include "support/ModelTestWorld.h"
#include "support/ScriptedFileChooser.h"
#include "toolkit/SegmentedControl.h"

namespace tundle {
namespace {

// The control centre's choosers, sharing the one chooser of the application as they do there.
struct ChooserWorld {
    ChooserWorld() {
        section = new ConfigurationSection(*model, chooser, &window);
        window.show();
    }

    // Where the next chooser opens; it is cancelled.
    QString startOf(const std::function<void()>& open) {
        open();
        EXPECT_TRUE(chooser.isWaiting());
        if (!chooser.isWaiting()) {
            return {};
        }
        const QString folder = chooser.waiting().request.startFolder;
        chooser.cancel();
        return folder;
    }

    void exportBackup() {
        section->backupButton()->click();
        section->preview()->confirmButton()->click();
    }
    void exportShare() {
        section->shareButton()->click();
        section->preview()->confirmButton()->click();
    }
    void import() { section->importButton()->click(); }
    // The target chooser of a new shortcut of the kind at `kindIndex`.
    void chooseTarget(int kindIndex) {
        editor = std::make_unique<ShortcutEditor>(*model, model->shortcuts(), chooser,
                                                  ShortcutDraft::fresh(0, std::nullopt));
        editor->open();
        emit editor->kindPicker()->activated(kindIndex);
        editor->chooseButton()->click();
    }
    void chooseApplication() { chooseTarget(0); }
    void chooseFolder() { chooseTarget(1); }
    void chooseFile() { chooseTarget(2); }

    test::ModelTestWorld world;
    std::unique_ptr<AppModel> model = world.model();
    test::ScriptedFileChooser chooser;
    QWidget window;
    ConfigurationSection* section = nullptr;
    std::unique_ptr<ShortcutEditor> editor;
};

TEST(FileChooser, EachChooserOpensWhereItsPurposeFitsAfterAnApplicationWasChosen) {
    ChooserWorld w;
    const QString home = QDir::homePath();
    QDir(home).mkpath(QStringLiteral("Documents"));
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);

    w.chooseApplication();
    EXPECT_EQ(w.chooser.waiting().request.startFolder, FileChooser::applicationFolder);
    w.chooser.choose(FileChooser::applicationFolder + QStringLiteral("/org.example.Notes.desktop"));

    EXPECT_EQ(w.startOf([&] { w.exportBackup(); }), documents);
    EXPECT_EQ(w.startOf([&] { w.exportShare(); }), documents);
    EXPECT_EQ(w.startOf([&] { w.import(); }), home);
    EXPECT_EQ(w.startOf([&] { w.chooseFile(); }), home);
    EXPECT_EQ(w.startOf([&] { w.chooseFolder(); }), home);

    // Without a Documents folder, exports open at home.
    QDir(documents).removeRecursively();
    EXPECT_EQ(w.startOf([&] { w.exportBackup(); }), home);
}

TEST(FileChooser, EachPurposeReopensWhereTheUserLastChoseForIt) {
    ChooserWorld w;
    QTemporaryDir places;
    const QDir dir(places.path());
    for (const char* folder : {"exports", "imports", "files", "folders/picked", "apps"}) {
        dir.mkpath(folder);
    }

    w.exportBackup();
    w.chooser.choose(dir.filePath(QStringLiteral("exports/备份.json")));
    w.import();
    w.chooser.choose(dir.filePath(QStringLiteral("imports/missing.json")));
    w.chooseFile();
    w.chooser.choose(dir.filePath(QStringLiteral("files/notes.txt")));
    w.chooseFolder();
    w.chooser.choose(dir.filePath(QStringLiteral("folders/picked")));
    w.chooseApplication();
    w.chooser.choose(dir.filePath(QStringLiteral("apps/org.example.Notes.desktop")));
    if (QWidget* refusal = w.section->failureAlert()) {
        refusal->close();
    }

    EXPECT_EQ(w.startOf([&] { w.exportShare(); }), dir.filePath(QStringLiteral("exports")));
    EXPECT_EQ(w.startOf([&] { w.import(); }), dir.filePath(QStringLiteral("imports")));
    EXPECT_EQ(w.startOf([&] { w.chooseFile(); }), dir.filePath(QStringLiteral("files")));
    EXPECT_EQ(w.startOf([&] { w.chooseFolder(); }), dir.filePath(QStringLiteral("folders")));
    EXPECT_EQ(w.startOf([&] { w.chooseApplication(); }), dir.filePath(QStringLiteral("apps")));

    // A cancelled chooser forgets nothing.
    EXPECT_EQ(w.startOf([&] { w.exportBackup(); }), dir.filePath(QStringLiteral("exports")));
}

}  // namespace
}  // namespace tundle
