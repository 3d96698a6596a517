#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "restgen/RestScenes.h"

// Draws "Rest/rest-strips.png" into the assets folder given as the only argument.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: restgen <assets folder>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QDir assets(QString::fromLocal8Bit(argv[1]));
    if (!assets.mkpath(QStringLiteral("Rest")) ||
        !tundle::RestScenes::paint().save(assets.filePath(QStringLiteral("Rest/rest-strips.png")),
                                          "PNG")) {
        std::fprintf(stderr, "restgen: cannot write %s/Rest/rest-strips.png\n", argv[1]);
        return 1;
    }
    return 0;
}
