// Draws the control centre's real widgets in named scenes into PNGs for a reviewer:
// ui-gallery <folder> [scene name ...].
#include <QApplication>
#include <QDir>
#include <QLayout>
#include <QPainter>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>

#include "GalleryScene.h"
#include "support/IsolatedEnvironment.h"
#include "toolkit/QtTranslations.h"
#include "toolkit/ToolkitStyle.h"

namespace tundle::gallery {

QImage renderWidget(QWidget& widget, const QColor& background, double ratio) {
    widget.ensurePolished();
    if (QLayout* layout = widget.layout()) {
        layout->activate();
    }
    QImage image((QSizeF(widget.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(background);
    QPainter painter(&image);
    widget.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

}  // namespace tundle::gallery

int main(int argc, char** argv) {
    QTemporaryDir home;
    tundle::test::isolateEnvironment(home.path());
    QApplication app(argc, argv);
    // As the application starts: Qt's texts in Chinese, every control in the toolkit's look.
    tundle::QtTranslations::install(app);
    tundle::ToolkitStyle::install();
    const QStringList arguments = app.arguments();
    if (arguments.size() < 2) {
        std::fputs("usage: ui-gallery <output folder> [scene ...]\n", stderr);
        return 2;
    }
    const QDir folder(arguments[1]);
    if (!folder.mkpath(QStringLiteral("."))) {
        return 1;
    }
    const QStringList wanted = arguments.mid(2);

    tundle::gallery::GalleryScenes scenes;
    tundle::gallery::addToolkitScenes(scenes);
    tundle::gallery::addBreathingScenes(scenes);
    tundle::gallery::addHomeCardScenes(scenes);
    tundle::gallery::addRoomScenes(scenes);
    tundle::gallery::addClipboardScenes(scenes);
    tundle::gallery::addSettingsScenes(scenes);
    tundle::gallery::addConfigurationScenes(scenes);
    tundle::gallery::addWorkPlanScenes(scenes);
    tundle::gallery::addShortcutScenes(scenes);
    tundle::gallery::addControlCentreScenes(scenes);
    tundle::gallery::addFarmScenes(scenes);

    for (const tundle::gallery::GalleryScene& scene : scenes) {
        if (!wanted.isEmpty() && !wanted.contains(scene.name)) {
            continue;
        }
        const QString file = folder.filePath(scene.name + QStringLiteral(".png"));
        if (!scene.draw().save(file)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
