// grab-screen OUTPUT.png [X Y WIDTH HEIGHT]: writes what the primary screen of $DISPLAY shows, as
// composited, or only the given region of it.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 2 && argc != 6) {
        std::fputs("usage: grab-screen OUTPUT.png [X Y WIDTH HEIGHT]\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    QScreen* screen = QGuiApplication::primaryScreen();
    int region[4] = {0, 0, -1, -1};
    for (int i = 0; argc == 6 && i < 4; ++i) {
        region[i] = std::atoi(argv[2 + i]);
    }
    if (screen == nullptr || !screen->grabWindow(0, region[0], region[1], region[2], region[3])
                                  .save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fputs("grab-screen: the screen could not be captured\n", stderr);
        return 1;
    }
    return 0;
}
