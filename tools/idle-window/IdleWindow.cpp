// idle-window [--timer]: a trivial translucent, frameless window of the pet panel's size that
// does nothing, or (--timer) wakes for an empty 60 Hz timer; bench/idle-cost measures the
// application beside it.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    window.setAttribute(Qt::WA_TranslucentBackground);
    window.setWindowTitle(QStringLiteral("idle-window"));
    window.resize(445, 655);
    window.show();
    QTimer timer;
    timer.setInterval(1000 / 60);
    if (argc > 1 && std::strcmp(argv[1], "--timer") == 0) {
        QObject::connect(&timer, &QTimer::timeout, [] {});
        timer.start();
    }
    return app.exec();
}
