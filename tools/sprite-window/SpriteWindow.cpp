// sprite-window SIZE: a translucent, frameless window of the pet panel's size that shows a
// SIZE × SIZE animation at 12 frames a second, each frame drawn once beforehand and copied
// as it is; bench/idle-cost measures the application against it, as the least a Qt window pays
// for the same picture.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdlib>

namespace {

constexpr int framesPerSecond = 12;
constexpr int frameCount = 12;

class SpriteWindow : public QWidget {
public:
    explicit SpriteWindow(int size) {
        setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        setAttribute(Qt::WA_TranslucentBackground);
        setWindowTitle(QStringLiteral("sprite-window"));
        resize(445, 655);
        // Where the pet stands: centred, its feet a little above the bottom edge.
        place_ = QRect((width() - size) / 2, height() - size - 40, size, size);
        for (int i = 0; i < frameCount; ++i) {
            QImage frame(size, size, QImage::Format_ARGB32_Premultiplied);
            frame.fill(Qt::transparent);
            QPainter painter(&frame);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(250, 150, 50));
            const double squash = 0.04 * size * (i < frameCount / 2 ? i : frameCount - i);
            painter.drawEllipse(QRectF(squash / 2, squash, size - squash, size - squash));
            frames_[std::size_t(i)] = frame;
        }
        connect(&timer_, &QTimer::timeout, this, [this] {
            current_ = (current_ + 1) % frameCount;
            update(place_);
        });
        timer_.start(1000 / framesPerSecond);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(place_.topLeft(), frames_[std::size_t(current_)]);
    }

private:
    QRect place_;
    std::array<QImage, frameCount> frames_;
    int current_ = 0;
    QTimer timer_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int size = argc > 1 ? std::atoi(argv[1]) : 0;
    if (size < 1 || size > 400) {
        return 2;
    }
    SpriteWindow window(size);
    window.show();
    return app.exec();
}
