#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "platform/LeafIcon.h"

// Draws the application's icon into a hicolor theme tree under the folder given as the only
// argument, at the sizes launchers and software centres ask for.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: icongen <icons folder>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QDir icons(QString::fromLocal8Bit(argv[1]));
    for (const int side : {48, 64, 128, 256}) {
        const QString size = QStringLiteral("%1x%1").arg(side);
        const QString folder = QStringLiteral("hicolor/%1/apps").arg(size);
        const QString file = icons.filePath(folder + QStringLiteral("/pet-tundle.png"));
        if (!icons.mkpath(folder) || !tundle::LeafIcon::draw(side).save(file)) {
            std::fprintf(stderr, "icongen: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
