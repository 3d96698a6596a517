#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "companion/ShortcutService.h"
#include "editors/PinnedReorder.h"
#include "editors/ShortcutDraft.h"
#include "editors/ShortcutFilter.h"
#include "support/JsonWriter.h"
#include "support/MemoryDefaults.h"
#include "support/TemporaryHome.h"
#include "support/Uuid.h"

namespace tundle {
namespace {

ShortcutItem item(const QString& name, const QString& target, bool pinned = false,
                  std::optional<QUuid> group = std::nullopt) {
    return ShortcutItem{.kind = ShortcutKind::folder,
                        .name = name,
                        .target = target,
                        .pinned = pinned,
                        .groupID = group};
}

QStringList names(const std::vector<ShortcutItem>& items) {
    QStringList result;
    for (const ShortcutItem& each : items) {
        result << each.name;
    }
    return result;
}

TEST(ShortcutFilter, GroupAndSearchSelectInListOrder) {
    const ShortcutGroup work{.name = "工作"};
    const std::vector<ShortcutItem> items{
        item("notes", "/home/me/Documents/notes", true),
        item("Music Box", "/home/me/Music", false, work.id),
        item("报告", "/srv/reports/2026", true, work.id),
        item("tmp", "/tmp"),
    };
    const auto select = [&](const QString& group, const QString& search) {
        return names(ShortcutFilter{.group = group, .search = search}.matching(items));
    };
    EXPECT_EQ(select("all", ""), (QStringList{"notes", "Music Box", "报告", "tmp"}));
    EXPECT_EQ(select("pinned", ""), (QStringList{"notes", "报告"}));
    EXPECT_EQ(select("none", ""), (QStringList{"notes", "tmp"}));
    EXPECT_EQ(select(uuidText(work.id), ""), (QStringList{"Music Box", "报告"}));
    // The lower-case spelling of an id is not the sidebar's id.
    EXPECT_EQ(select(uuidText(work.id).toLower(), ""), QStringList{});
    EXPECT_EQ(select(uuidText(QUuid::createUuid()), ""), QStringList{});
    EXPECT_EQ(select("all", "NOTES"), QStringList{"notes"});
    EXPECT_EQ(select("all", " "), QStringList{"Music Box"});
    EXPECT_EQ(select("all", "reports/20"), QStringList{"报告"});
    EXPECT_EQ(select("pinned", "music"), QStringList{});
    EXPECT_EQ(select("none", "Documents"), QStringList{"notes"});
}

TEST(ShortcutFilter, TitlesGroupsAndReorderingFollowTheSelection) {
    const std::vector<ShortcutGroup> groups{{.name = "工作"}, {.name = "游戏"}};
    const auto title = [&](const QString& group) {
        return ShortcutFilter{.group = group}.title(groups);
    };
    EXPECT_EQ(title("all"), "全部");
    EXPECT_EQ(title("pinned"), "桌面置顶");
    EXPECT_EQ(title("none"), "未分组");
    EXPECT_EQ(title(uuidText(groups[1].id)), "游戏");
    EXPECT_EQ(title(uuidText(QUuid::createUuid())), "全部");

    EXPECT_EQ(ShortcutFilter{.group = uuidText(groups[0].id)}.shownGroup(), groups[0].id);
    for (const QString& plain :
         {ShortcutFilter::all, ShortcutFilter::pinned, ShortcutFilter::none}) {
        EXPECT_EQ(ShortcutFilter{.group = plain}.shownGroup(), std::nullopt);
    }
    EXPECT_TRUE(ShortcutFilter{.group = "pinned"}.canReorder());
    EXPECT_FALSE((ShortcutFilter{.group = "pinned", .search = " "}.canReorder()));
    EXPECT_FALSE(ShortcutFilter{.group = "all"}.canReorder());
}

TEST(ShortcutDraft, AddingStartsPinnedWhileThereIsRoomAndInTheShownGroup) {
    const QUuid group = QUuid::createUuid();
    const ShortcutItem roomy = ShortcutDraft::fresh(5, group);
    EXPECT_EQ(roomy.kind, ShortcutKind::application);
    EXPECT_TRUE(roomy.pinned);
    EXPECT_EQ(roomy.groupID, group);
    EXPECT_TRUE(roomy.name.isEmpty() && roomy.target.isEmpty());
    EXPECT_FALSE(roomy.bookmark || roomy.tagColor);
    const ShortcutItem full = ShortcutDraft::fresh(6, std::nullopt);
    EXPECT_FALSE(full.pinned);
    EXPECT_FALSE(full.groupID);
    EXPECT_NE(full.id, ShortcutDraft::fresh(6, std::nullopt).id);
}

TEST(ShortcutDraft, ValidityNeedsANameATargetAndAWebAddress) {
    ShortcutDraft draft(item(" \n ", "/anywhere"));
    EXPECT_FALSE(draft.valid());
    draft.fields().name = "x";
    EXPECT_TRUE(draft.valid());
    draft.fields().target = "  ";
    EXPECT_TRUE(draft.valid());
    draft.fields().target.clear();
    EXPECT_FALSE(draft.valid());

    draft.setKind(ShortcutKind::website);
    draft.fields().name = "站点";
    EXPECT_FALSE(draft.showsAddressHint());
    draft.setTypedAddress("   ");
    EXPECT_TRUE(draft.showsAddressHint());
    EXPECT_FALSE(draft.valid());
    draft.setTypedAddress("https://example.org");
    EXPECT_FALSE(draft.showsAddressHint());
    EXPECT_TRUE(draft.valid());
}

TEST(ShortcutDraft, TheNameFollowsTheTypedHostUntilTheUserNamesIt) {
    ShortcutDraft draft(ShortcutItem{.kind = ShortcutKind::website});
    draft.setTypedAddress("localhost");
    EXPECT_EQ(draft.item().name, "");
    draft.setTypedAddress("example.org");
    EXPECT_EQ(draft.item().name, "example.org");
    draft.setTypedAddress("https://docs.example.org/guide");
    EXPECT_EQ(draft.item().name, "docs.example.org");
    // Losing the dot or becoming invalid keeps the last suggestion.
    draft.setTypedAddress("https://docs");
    EXPECT_EQ(draft.item().name, "docs.example.org");
    draft.setTypedAddress("ftp://");
    EXPECT_EQ(draft.item().name, "docs.example.org");
    draft.fields().name = "文档";
    draft.setTypedAddress("https://other.example.org");
    EXPECT_EQ(draft.item().name, "文档");
    // An emptied name lets the suggestion take over again.
    draft.fields().name.clear();
    draft.setTypedAddress("https://qt.io");
    EXPECT_EQ(draft.item().name, "qt.io");
}

TEST(ShortcutDraft, ChangingTheKindStartsTheTargetOverAndKeepsTheRest) {
    const QUuid group = QUuid::createUuid();
    ShortcutItem start = item("旧", "/old", true, group);
    start.kind = ShortcutKind::application;
    start.bookmark = QByteArray("mark");
    start.tagColor = ShortcutColor::green;
    ShortcutDraft draft(start);
    draft.error = QStringLiteral("找不到这个项目，请重新选择。");
    draft.setKind(ShortcutKind::website);
    EXPECT_EQ(draft.item().kind, ShortcutKind::website);
    EXPECT_TRUE(draft.item().name.isEmpty() && draft.item().target.isEmpty());
    EXPECT_FALSE(draft.item().bookmark);
    EXPECT_FALSE(draft.error);
    EXPECT_TRUE(draft.item().pinned);
    EXPECT_EQ(draft.item().tagColor, ShortcutColor::green);
    EXPECT_EQ(draft.item().groupID, group);
}

TEST(ShortcutDraft, AChosenTargetNamesAnUnnamedShortcut) {
    test::TemporaryDataHome home;
    QTemporaryDir folder;
    const auto write = [&](const QString& name, const QByteArray& text) {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    };
    const QString translated = write("org.gnome.Nautilus.desktop",
                                     "[Desktop Entry]\nName=Files\nName[zh_CN]=文件\nExec=x\n");
    const QString blankName = write("editor.desktop", "[Desktop Entry]\nName=  \nExec=x\n");
    const QString report = write("报告.final.pdf", "%PDF");

    EXPECT_EQ(ShortcutDraft::chosenName(ShortcutKind::application, translated), "文件");
    EXPECT_EQ(ShortcutDraft::chosenName(ShortcutKind::application, blankName), "editor");
    EXPECT_EQ(ShortcutDraft::chosenName(ShortcutKind::application, folder.filePath("gone.DESKTOP")),
              "gone");
    EXPECT_EQ(ShortcutDraft::chosenName(ShortcutKind::file, report), "报告.final.pdf");
    EXPECT_EQ(ShortcutDraft::chosenName(ShortcutKind::folder, folder.path() + "/"),
              QDir(folder.path()).dirName());

    ShortcutDraft unnamed(ShortcutItem{.kind = ShortcutKind::application, .bookmark = "old"});
    unnamed.error = QStringLiteral("请选择一个 .desktop 应用。");
    unnamed.choose(translated);
    EXPECT_EQ(unnamed.item().name, "文件");
    EXPECT_EQ(unnamed.item().target, translated);
    EXPECT_FALSE(unnamed.item().bookmark);
    EXPECT_FALSE(unnamed.error);
    ShortcutDraft named(item("我的报告", "/old"));
    named.fields().kind = ShortcutKind::file;
    named.choose(report);
    EXPECT_EQ(named.item().name, "我的报告");
}

TEST(ShortcutDraft, SixOtherPinnedShowTheNoticeAndLockOnlyAnUnpinnedToggle) {
    std::vector<ShortcutItem> pinned;
    for (int i = 0; i < 6; ++i) {
        pinned.push_back(item(QString::number(i), "/p", true));
    }
    ShortcutDraft added(ShortcutDraft::fresh(6, std::nullopt));
    EXPECT_TRUE(added.showsPinNotice(pinned));
    EXPECT_FALSE(added.canTogglePin(pinned));
    ShortcutDraft edited(pinned[3]);
    EXPECT_EQ(edited.otherPinned(pinned), 5);
    EXPECT_FALSE(edited.showsPinNotice(pinned));
    EXPECT_TRUE(edited.canTogglePin(pinned));
    pinned.push_back(item("7", "/p", true));
    EXPECT_TRUE(edited.showsPinNotice(pinned));
    EXPECT_TRUE(edited.canTogglePin(pinned));
}

class PinnedReorderTest : public ::testing::Test {
protected:
    PinnedReorderTest() {
        for (const char* name : {"A", "B", "C"}) {
            service.save(ShortcutItem{.kind = ShortcutKind::website,
                                      .name = name,
                                      .target = "https://example.org",
                                      .pinned = true});
        }
    }
    QUuid id(int index) const { return service.items()[std::size_t(index)].id; }
    QStringList dragOnto(int from, int onto) {
        const QUuid source = id(from);
        const QUuid target = id(onto);
        reorder.dragStarted(source, true);
        if (const auto move = reorder.dropped(target, true)) {
            service.move(move->first, move->second);
        }
        return names(service.pinned());
    }

    test::TemporaryDataHome home;
    MemoryDefaults defaults;
    ShortcutService service{defaults};
    PinnedReorder reorder;
};

TEST_F(PinnedReorderTest, ADropPutsTheDraggedShortcutBeforeTheRow) {
    EXPECT_EQ(dragOnto(0, 1), (QStringList{"A", "B", "C"}));
    EXPECT_EQ(dragOnto(0, 2), (QStringList{"B", "A", "C"}));
    EXPECT_EQ(dragOnto(2, 0), (QStringList{"C", "B", "A"}));
    EXPECT_EQ(dragOnto(1, 1), (QStringList{"C", "B", "A"}));
    EXPECT_FALSE(reorder.dragged());
}

TEST_F(PinnedReorderTest, OnlyADragStartedWhileReorderingMovesAnything) {
    reorder.dragStarted(id(2), false);
    EXPECT_FALSE(reorder.dropped(id(0), true));
    reorder.dragStarted(id(2), true);
    EXPECT_FALSE(reorder.dropped(id(0), false));
    // A refused drop keeps the drag for the drop that is still to come.
    EXPECT_EQ(reorder.dropped(id(0), true), std::pair(id(2), id(0)));
}

TEST_F(PinnedReorderTest, ADropAfterAnAbandonedDragMovesNothing) {
    reorder.dragStarted(id(2), true);
    reorder.dragEnded();
    // Text dropped later from another application.
    EXPECT_FALSE(reorder.dropped(id(0), true));
    EXPECT_EQ(names(service.pinned()), (QStringList{"A", "B", "C"}));
}

}  // namespace
}  // namespace tundle
