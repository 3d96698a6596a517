// Draws the pet's custom-painted scenes into PNGs for a reviewer: render-scenes <folder>.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "render-scenes/FarmGallery.h"
#include "render-scenes/SceneGallery.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        std::fputs("usage: render-scenes <output folder>\n", stderr);
        return 2;
    }
    const QDir folder(arguments[1]);
    if (!folder.mkpath(QStringLiteral("."))) {
        return 1;
    }
    std::vector<tundle::RenderedScene> scenes =
        tundle::SceneGallery(TUNDLE_GENERATED_ASSETS).render();
    for (tundle::RenderedScene& scene : tundle::FarmGallery(TUNDLE_GENERATED_ASSETS).render()) {
        scenes.push_back(std::move(scene));
    }
    for (const tundle::RenderedScene& scene : scenes) {
        if (!scene.image.save(folder.filePath(scene.name + QStringLiteral(".png")))) {
            return 1;
        }
    }
    return 0;
}
