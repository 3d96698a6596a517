// Draws the shortcut bubble panel in its states into PNGs for a reviewer:
// render-shortcuts <folder>.
#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>

#include "accessories/DesktopFunctionView.h"
#include "accessories/ShortcutPager.h"
#include "accessories/WaterShortcutButton.h"
#include "support/IsolatedEnvironment.h"
#include "support/ModelTestWorld.h"

namespace tundle {
namespace {

const QStringList names = {"浏览器", "项目文件夹", "周报.txt", "设计稿与素材", "日历", "音乐"};
const std::array<ShortcutColor, 6> colors = {ShortcutColor::blue,   ShortcutColor::green,
                                             ShortcutColor::orange, ShortcutColor::red,
                                             ShortcutColor::purple, ShortcutColor::yellow};

struct Scene {
    QString name;
    int pinned;
    QSizeF size = {404, 240};
    int page = 0;
    bool failed = false;
    bool hovered = false;
};

QImage draw(const Scene& scene) {
    test::ModelTestWorld world;
    auto model = world.model();
    for (int i = 0; i < scene.pinned; ++i) {
        model->shortcuts().save(ShortcutItem{
            .id = QUuid::fromString(QString("00000000-0000-4000-8000-00000000000%1").arg(i)),
            .kind = ShortcutKind::website,
            .name = names[i],
            .target = QString("https://example%1.org/").arg(i),
            .pinned = true,
            .tagColor = colors[std::size_t(i)]});
    }
    ShortcutViewport viewport(scene.size);
    DesktopFunctionView view(*model, viewport);
    model->toggleShortcuts();
    if (scene.failed) {
        world.opener->opens = false;
        model->openShortcut(ShortcutItem{
            .kind = ShortcutKind::website, .name = "旧链接", .target = "https://example.invalid/"});
    }
    view.setPage(scene.page);
    if (scene.hovered) {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(view.buttons()[1], &enter);
    }
    QImage image(view.size() * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    image.fill(QColor(214, 226, 232));
    QPainter painter(&image);
    view.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

}  // namespace
}  // namespace tundle

int main(int argc, char** argv) {
    QTemporaryDir home;
    tundle::test::isolateEnvironment(home.path());
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        std::fputs("usage: render-shortcuts <output folder>\n", stderr);
        return 2;
    }
    const QDir folder(arguments[1]);
    if (!folder.mkpath(QStringLiteral("."))) {
        return 1;
    }
    const std::vector<tundle::Scene> scenes = {
        {.name = "shortcuts-one", .pinned = 1},
        {.name = "shortcuts-three", .pinned = 3},
        {.name = "shortcuts-six", .pinned = 6},
        {.name = "shortcuts-compact-page-two", .pinned = 6, .size = {404, 110}, .page = 1},
        {.name = "shortcuts-error", .pinned = 3, .failed = true},
        {.name = "shortcuts-add", .pinned = 0},
        {.name = "shortcuts-add-and-error", .pinned = 0, .failed = true},
        {.name = "shortcuts-hovered", .pinned = 3, .hovered = true},
    };
    for (const tundle::Scene& scene : scenes) {
        if (!tundle::draw(scene).save(folder.filePath(scene.name + QStringLiteral(".png")))) {
            return 1;
        }
    }
    return 0;
}
