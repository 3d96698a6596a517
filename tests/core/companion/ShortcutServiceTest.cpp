#include "companion/ShortcutService.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QTemporaryDir>

#include "config/ConfigurationCoding.h"
#include "support/JsonWriter.h"
#include "support/TemporaryHome.h"
#include "support/ThrownMessage.h"

namespace tundle {
namespace {

using test::thrownMessage;
using test::writeAll;

const QString unreadable = QStringLiteral("快捷方式未能读取：");
const QString pinLimitMessage = QStringLiteral("桌面已置顶 6 项，请先取消一项。");

ShortcutItem website(const QString& name, bool pinned = false) {
    return ShortcutItem{.kind = ShortcutKind::website,
                        .name = name,
                        .target = QStringLiteral("https://example.org/") + name,
                        .pinned = pinned};
}

QByteArray document(qint64 version, const std::vector<ShortcutItem>& items,
                    const std::vector<ShortcutGroup>& groups) {
    return JsonWriter::compact(QJsonObject{
        {"version", version}, {"items", toJsonArray(items)}, {"groups", toJsonArray(groups)}});
}

std::vector<QString> names(const std::vector<ShortcutItem>& items) {
    std::vector<QString> result;
    for (const ShortcutItem& item : items) {
        result.push_back(item.name + (item.pinned ? "*" : ""));
    }
    return result;
}

class RecordingOpener : public ShortcutOpener {
public:
    bool openUrl(const QUrl& url) override {
        opened.push_back(url.toString());
        return accepts;
    }
    std::optional<QString> launch(const QString& path) override {
        opened.push_back(path);
        return std::nullopt;
    }
    bool accepts = true;
    std::vector<QString> opened;
};

class ShortcutServiceTest : public ::testing::Test {
protected:
    void store(const QByteArray& bytes) { defaults.setValue("shortcuts.v1", bytes); }
    QString make(const QString& name, bool folder) {
        const QString path = targets.filePath(name);
        folder ? QDir().mkpath(path) : (writeAll(path, "x"), true);
        return path;
    }

    test::TemporaryDataHome home;
    QTemporaryDir targets;
    MemoryDefaults defaults;
};

TEST_F(ShortcutServiceTest, OlderDocumentsLoadCleanedAndUnchanged) {
    const ShortcutGroup group{.name = "工作"};
    std::vector<ShortcutItem> items;
    for (int i = 0; i < 9; ++i) {
        items.push_back(website(QString::number(i), true));
    }
    items[0].groupID = group.id;
    items[1].groupID = QUuid::createUuid();
    items.push_back(items[2]);
    const QByteArray stored = document(2, items, {group, ShortcutGroup{.id = group.id}});
    store(stored);
    ShortcutService service(defaults);
    EXPECT_EQ(names(service.items()),
              (std::vector<QString>{"0*", "1*", "2*", "3*", "4*", "5*", "6", "7", "8"}));
    EXPECT_EQ(service.groups(), std::vector<ShortcutGroup>{group});
    EXPECT_EQ(service.items()[0].groupID, group.id);
    EXPECT_FALSE(service.items()[1].groupID);
    EXPECT_EQ(defaults.value("shortcuts.v1").toByteArray(), stored);
}

TEST_F(ShortcutServiceTest, VersionsAndFormsThatCannotBeRead) {
    const QByteArray capitalKind =
        document(2, {website("a")}, {}).replace("\"website\"", "\"Website\"");
    const struct {
        QByteArray bytes;
        QString error;
    } cases[] = {
        {document(1, {website("a")}, {}), unreadable + "不支持的快捷方式数据版本。"},
        {document(3, {}, {}), unreadable + "不支持的快捷方式数据版本。"},
        {capitalKind, unreadable + "数据的最外层不是 JSON 数组。"},
        {R"({"version": 2, "items": []})", unreadable + "数据的最外层不是 JSON 数组。"},
    };
    for (const auto& c : cases) {
        store(c.bytes);
        ShortcutService service(defaults);
        EXPECT_EQ(service.error(), c.error) << c.bytes.constData();
        EXPECT_TRUE(service.items().empty());
    }
}

TEST_F(ShortcutServiceTest, ABareArrayLoadsWithoutGroupsAndIsRewrittenAsADocument) {
    ShortcutItem grouped = website("a");
    grouped.groupID = QUuid::createUuid();
    store(JsonWriter::compact(QJsonArray{grouped.toJson()}));
    ShortcutService service(defaults);
    EXPECT_FALSE(service.items().at(0).groupID);
    ASSERT_TRUE(service.setPinned(grouped.id, true));
    grouped.groupID.reset();
    grouped.pinned = true;
    EXPECT_EQ(defaults.value("shortcuts.v1").toByteArray(), document(2, {grouped}, {}));
}

TEST_F(ShortcutServiceTest, StandardDefaultsReadTheKeyAndWriteTheFileWithinTheLimit) {
    test::StandardMemoryDefaults standard;
    const QByteArray older = document(2, {website("a")}, {});
    standard.setValue("shortcuts.v1", older);
    const QString file = home.filePath("pet-tundle/shortcuts-v1.json");
    {
        ShortcutService service(standard);
        ASSERT_TRUE(service.save(website("b")));
        EXPECT_EQ(service.items().size(), 2u);
        EXPECT_EQ(standard.value("shortcuts.v1").toByteArray(), older);
        EXPECT_EQ(ShortcutService(standard).items(), service.items()) << "read from the file";
    }
    writeAll(file, QByteArray(maximumConfigurationBytes + 1, ' '));
    EXPECT_EQ(ShortcutService(standard).error(), unreadable + "文件过大");
}

TEST_F(ShortcutServiceTest, SavingChecksNamesKindsAndThePinLimit) {
    ShortcutService service(defaults);
    const QString folder = make("Projects", true);
    const QString entry = make("editor.DESKTOP", false);
    const QString plain = make("notes.txt", false);
    const struct {
        ShortcutKind kind;
        QString target;
        QString error;
    } cases[] = {
        {ShortcutKind::application, folder, "请选择一个 .desktop 应用。"},
        {ShortcutKind::folder, entry, "请选择文件夹。"},
        {ShortcutKind::file, folder, "请选择文件。"},
        {ShortcutKind::file, "relative", "请先选择一个本地项目。"},
        {ShortcutKind::file, targets.filePath("gone"), "找不到这个项目，请重新选择。"},
        {ShortcutKind::application, entry, {}},
        {ShortcutKind::folder, folder, {}},
        {ShortcutKind::file, entry, {}},
    };
    for (const auto& c : cases) {
        const ShortcutItem item{.kind = c.kind, .name = " 项目 ", .target = c.target};
        EXPECT_EQ(service.save(item), c.error.isEmpty()) << c.target.toStdString();
        EXPECT_EQ(service.error(), c.error.isEmpty() ? std::nullopt : std::optional(c.error));
    }
    ASSERT_EQ(service.items().size(), 3u);
    EXPECT_EQ(service.items()[1].name, "项目");
    EXPECT_TRUE(service.items()[1].bookmark);

    ShortcutItem renamed = service.items()[1];
    QDir(folder).removeRecursively();
    renamed.name = "新名字";
    EXPECT_TRUE(service.save(renamed)) << "only the name changed: the target is not checked";
    renamed.bookmark.reset();
    EXPECT_FALSE(service.save(renamed));
    EXPECT_EQ(service.error(), "找不到这个项目，请重新选择。");

    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(service.save(website(QString::number(i), true)));
    }
    EXPECT_FALSE(service.save(website("7", true)));
    EXPECT_EQ(service.error(), pinLimitMessage);
    EXPECT_TRUE(service.save(service.pinned()[0]));
    EXPECT_FALSE(service.setPinned(service.items()[0].id, true));
    EXPECT_EQ(service.error(), pinLimitMessage);
}

TEST_F(ShortcutServiceTest, PinnedShortcutsMoveBeforeOneAnother) {
    const struct {
        int source;
        int before;
        std::vector<QString> order;
    } cases[] = {
        {0, 2, {"B*", "A*", "C*", "D"}},
        {2, 0, {"C*", "A*", "B*", "D"}},
        {3, 0, {"A*", "B*", "C*", "D"}},
    };
    for (const auto& c : cases) {
        store(document(
            2, {website("A", true), website("B", true), website("C", true), website("D")}, {}));
        ShortcutService service(defaults);
        const auto items = service.items();
        service.move(items[static_cast<std::size_t>(c.source)].id,
                     items[static_cast<std::size_t>(c.before)].id);
        EXPECT_EQ(names(service.items()), c.order) << c.source << " before " << c.before;
    }
}

TEST_F(ShortcutServiceTest, UndoRestoresTheLatestDeletionWithoutAVanishedGroup) {
    const ShortcutGroup group{.name = "组"};
    std::vector<ShortcutItem> items{website("A"), website("B"), website("C"), website("D")};
    items[1].groupID = group.id;
    store(document(2, items, {group}));
    ShortcutService service(defaults);
    service.deleteItem(items[1].id);
    ASSERT_TRUE(service.canUndoDelete());
    ASSERT_TRUE(service.deleteGroup(group.id));
    service.undoDelete();
    EXPECT_EQ(names(service.items()), (std::vector<QString>{"A", "B", "C", "D"}));
    EXPECT_FALSE(service.items()[1].groupID);
    EXPECT_FALSE(service.canUndoDelete());

    service.deleteItem(items[1].id);
    service.deleteItem(items[3].id);
    service.undoDelete();
    EXPECT_EQ(names(service.items()), (std::vector<QString>{"A", "C", "D"}))
        << "only the latest deletion comes back";
}

TEST_F(ShortcutServiceTest, GroupNamesAreTrimmedAndUniqueRegardlessOfCase) {
    ShortcutService service(defaults);
    ShortcutGroup work{.name = "  Work "};
    ASSERT_TRUE(service.saveGroup(work));
    EXPECT_EQ(service.groups()[0].name, "Work");
    EXPECT_FALSE(service.saveGroup(ShortcutGroup{.name = "WORK"}));
    EXPECT_EQ(service.error(), "已有同名分组。");
    work.name = "work";
    EXPECT_TRUE(service.saveGroup(work));
    EXPECT_EQ(service.groups(), std::vector<ShortcutGroup>{work});
    EXPECT_FALSE(service.error());
}

TEST_F(ShortcutServiceTest, ConfigurationBackedChangesGoThroughTheStore) {
    ConfigurationStore configuration(defaults);
    ShortcutService service(defaults, std::nullopt, &configuration);
    ASSERT_TRUE(service.save(website("A")));
    EXPECT_EQ(configuration.value().shortcuts, service.items());

    ShortcutItem tooLong = website("B");
    tooLong.name = QString(501, u'x');
    EXPECT_FALSE(service.save(tooLong));
    EXPECT_EQ(service.error(), "保存失败：快捷方式内容或分组引用无效。");
    EXPECT_EQ(service.items().size(), 1u);

    service.deleteItem(service.items()[0].id);
    ASSERT_TRUE(service.canUndoDelete());
    service.reloadConfiguration();
    EXPECT_FALSE(service.canUndoDelete());
}

TEST_F(ShortcutServiceTest, BookmarksFollowARenameAndOpeningReportsFailures) {
    const QString folder = make("Before", true);
    const ShortcutItem item = ShortcutService::prepared(
        ShortcutItem{.kind = ShortcutKind::folder, .name = "f", .target = folder});
    ASSERT_TRUE(QDir().rename(folder, targets.filePath("After")));
    EXPECT_EQ(ShortcutService::resolvedURL(item).toLocalFile(), targets.filePath("After"));
    ASSERT_TRUE(QDir().rename(targets.filePath("After"), home.filePath("Elsewhere")));
    EXPECT_EQ(thrownMessage([&] { ShortcutService::resolvedURL(item); }),
              "原项目已移动或不可用，请重新选择。");

    RecordingOpener opener;
    std::vector<std::optional<QString>> results;
    const auto record = [&](std::optional<QString> message) { results.push_back(message); };
    ShortcutItem site = website("a");
    ShortcutService::open(site, opener, record);
    opener.accepts = false;
    ShortcutService::open(site, opener, record);
    site.target = "mailto:a@b";
    ShortcutService::open(site, opener, record);
    const QString entry = make("app.desktop", false);
    ShortcutService::open(ShortcutItem{.kind = ShortcutKind::application, .target = entry}, opener,
                          record);
    ShortcutService::open(ShortcutItem{.kind = ShortcutKind::file}, opener, record);
    EXPECT_EQ(results, (std::vector<std::optional<QString>>{
                           std::nullopt, "系统未能打开该项目，请检查目标和默认应用。",
                           "仅支持 http 或 https 网页地址。", std::nullopt,
                           "找不到这个项目，请重新选择。"}));
    EXPECT_EQ(opener.opened,
              (std::vector<QString>{"https://example.org/a", "https://example.org/a", entry}));
}

}  // namespace
}  // namespace tundle
