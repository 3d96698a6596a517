#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include "GalleryScene.h"
#include "editors/ShortcutDraft.h"
#include "editors/ShortcutEditor.h"
#include "editors/ShortcutGroupEditor.h"
#include "editors/ShortcutListRow.h"
#include "editors/ShortcutSettingsPage.h"
#include "support/ScriptedFileChooser.h"
#include "toolkit/Colors.h"
#include "toolkit/SegmentedControl.h"

namespace tundle::gallery {

namespace {

// A model with two groups and a handful of shortcuts, four of them pinned.
struct ShortcutWorld {
    GalleryWorld gallery;
    ShortcutService& service = gallery.model->shortcuts();
    test::ScriptedFileChooser chooser;
    ShortcutGroup work{.name = QStringLiteral("工作")};
    ShortcutGroup reading{.name = QStringLiteral("阅读 & 资料")};

    void fill() {
        service.saveGroup(work);
        service.saveGroup(reading);
        const auto add = [&](const QString& name, const QString& address, bool pinned,
                             std::optional<QUuid> group, std::optional<ShortcutColor> color) {
            service.save(ShortcutItem{.kind = ShortcutKind::website,
                                      .name = name,
                                      .target = address,
                                      .pinned = pinned,
                                      .tagColor = color,
                                      .groupID = group});
        };
        add("邮箱", "https://mail.example.org", true, work.id, ShortcutColor::red);
        add("周报", "https://docs.example.org/weekly", true, work.id, std::nullopt);
        add("每日新闻", "https://news.example.org", true, std::nullopt, ShortcutColor::green);
        add("Qt 文档", "https://doc.qt.io", true, reading.id, ShortcutColor::purple);
        add("设计稿", "https://design.example.org", false, work.id, ShortcutColor::orange);
    }
};

// Text arriving as the user types it.
void type(QWidget* field, const QString& text) {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(field, &key);
}

// The page as the control centre's page area holds it.
QImage drawPage(ShortcutSettingsPage& page) {
    QWidget area;
    auto* layout = new QVBoxLayout(&area);
    layout->setContentsMargins(28, 28, 28, 28);
    layout->addWidget(&page);
    area.resize(900, 760);
    area.show();
    QApplication::processEvents();
    QImage image = renderWidget(area, Colors::canvas());
    layout->removeWidget(&page);
    page.setParent(nullptr);
    return image;
}

QImage pageWithGroups() {
    ShortcutWorld world;
    world.fill();
    ShortcutSettingsPage page(*world.gallery.model, world.service, world.chooser);
    page.setGroupFilter(ShortcutFilter::pinned);
    return drawPage(page);
}

// A deletion waiting for its undo, then a seventh pin that the desktop refuses.
QImage pageWithErrorAndUndo() {
    ShortcutWorld world;
    world.fill();
    const auto add = [&](const QString& name, const QString& host, bool pinned) {
        const ShortcutItem item{.kind = ShortcutKind::website,
                                .name = name,
                                .target = "https://" + host + ".example.org",
                                .pinned = pinned};
        world.service.save(item);
        return item.id;
    };
    const QUuid seventh = add(QStringLiteral("第七个"), "seventh", false);
    add(QStringLiteral("备用"), "spare", true);
    world.service.setPinned(world.service.items()[4].id, true);
    world.service.deleteItem(add(QStringLiteral("旧链接"), "old", false));
    world.service.setPinned(seventh, true);
    ShortcutSettingsPage page(*world.gallery.model, world.service, world.chooser);
    return drawPage(page);
}

QImage emptyPage() {
    ShortcutWorld world;
    ShortcutSettingsPage page(*world.gallery.model, world.service, world.chooser);
    return drawPage(page);
}

QImage pageWithoutMatches() {
    ShortcutWorld world;
    world.fill();
    ShortcutSettingsPage page(*world.gallery.model, world.service, world.chooser);
    page.searchField()->setText(QStringLiteral("没有这个"));
    return drawPage(page);
}

QImage hoveredRowWithMenu() {
    ShortcutWorld world;
    world.fill();
    ShortcutListRow row(world.service.items()[1], *world.gallery.model, world.service);
    row.resize(520, row.sizeHint().height());
    row.setHovering(true);
    QMenu* menu = row.menu();
    menu->ensurePolished();
    menu->adjustSize();
    const QRect menuRect(
        QPoint(row.partRect(ShortcutListRow::Part::menu).left() - 40, row.height() + 4),
        menu->size());

    const double ratio = 2;
    const QSize canvas(std::max(row.width(), menuRect.right()) + 40, menuRect.bottom() + 24);
    QImage image(canvas * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Colors::grey(1, 0.75));
    QPainter painter(&image);
    row.render(&painter, QPoint(20, 12), QRegion(), QWidget::DrawChildren);
    menu->render(&painter, menuRect.topLeft() + QPoint(20, 12), QRegion(),
                 QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return image;
}

// Two rows reached with the keyboard: the first with the focus ring on its pin, so its
// actions menu shows too.
QImage rowsWithKeyboardFocus() {
    ShortcutWorld world;
    world.fill();
    QWidget list;
    auto* layout = new QVBoxLayout(&list);
    layout->setContentsMargins(20, 12, 20, 12);
    auto* first =
        new ShortcutListRow(world.service.items()[0], *world.gallery.model, world.service);
    layout->addWidget(first);
    layout->addWidget(
        new ShortcutListRow(world.service.items()[1], *world.gallery.model, world.service));
    list.resize(560, list.sizeHint().height());
    list.show();
    list.activateWindow();
    QApplication::processEvents();
    list.setAttribute(Qt::WA_KeyboardFocusChange);
    first->setFocus(Qt::TabFocusReason);
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(first, &tab);
    return renderWidget(list, Colors::grey(1, 0.75));
}

QImage drawSheet(QWidget& sheet) {
    sheet.show();
    QApplication::processEvents();
    QImage image = renderWidget(sheet, Colors::canvas());
    sheet.hide();
    return image;
}

QImage websiteEditor() {
    ShortcutWorld world;
    world.fill();
    ShortcutEditor editor(*world.gallery.model, world.service, world.chooser,
                          ShortcutDraft::fresh(4, world.work.id));
    emit editor.kindPicker()->activated(3);
    type(editor.addressField(), QStringLiteral("docs.example.org/guide"));
    return drawSheet(editor);
}

QImage applicationEditor() {
    ShortcutWorld world;
    world.fill();
    QTemporaryDir folder;
    const QString entry = folder.filePath("org.example.Notes.desktop");
    QFile file(entry);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(
            "[Desktop Entry]\nName=Notes\nName[zh_CN]=随手笔记\nIcon=accessories-text-editor\n"
            "Exec=notes\n");
        file.close();
    }
    ShortcutEditor editor(*world.gallery.model, world.service, world.chooser,
                          ShortcutDraft::fresh(4, std::nullopt));
    editor.chooseTarget();
    world.chooser.choose(entry);
    return drawSheet(editor);
}

QImage groupEditorWithError() {
    ShortcutWorld world;
    world.fill();
    ShortcutGroupEditor editor(world.service, ShortcutGroup{});
    type(editor.nameField(), QStringLiteral("Work"));
    world.service.saveGroup(ShortcutGroup{.name = "work"});
    editor.saveButton()->click();
    return drawSheet(editor);
}

}  // namespace

void addShortcutScenes(GalleryScenes& scenes) {
    scenes.push_back({QStringLiteral("shortcuts-page-pinned-groups"), pageWithGroups});
    scenes.push_back({QStringLiteral("shortcuts-page-error-undo"), pageWithErrorAndUndo});
    scenes.push_back({QStringLiteral("shortcuts-page-empty"), emptyPage});
    scenes.push_back({QStringLiteral("shortcuts-page-no-match"), pageWithoutMatches});
    scenes.push_back({QStringLiteral("shortcuts-row-hovered-menu"), hoveredRowWithMenu});
    scenes.push_back({QStringLiteral("shortcuts-row-keyboard-focus"), rowsWithKeyboardFocus});
    scenes.push_back({QStringLiteral("shortcuts-editor-website"), websiteEditor});
    scenes.push_back({QStringLiteral("shortcuts-editor-application"), applicationEditor});
    scenes.push_back({QStringLiteral("shortcuts-group-editor-error"), groupEditorWithError});
}

}  // namespace tundle::gallery
