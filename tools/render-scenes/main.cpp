// Draws the pet's custom-painted scenes into PNGs for a reviewer: render-scenes <folder>.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "SceneGallery.h"

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
    for (const tundle::RenderedScene& scene :
         tundle::SceneGallery(TUNDLE_GENERATED_ASSETS).render()) {
        if (!scene.image.save(folder.filePath(scene.name + QStringLiteral(".png")))) {
            return 1;
        }
    }
    return 0;
}
