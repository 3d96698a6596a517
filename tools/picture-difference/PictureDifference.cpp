// picture-difference A.png B.png: prints the percentage of pixels (0 to 100, one decimal) whose
// colour differs by more than a small tolerance in any channel, as a test would judge "the picture
// changed". Pictures of different sizes differ everywhere.
#include <QImage>
#include <QString>
#include <cstdio>
#include <cstdlib>

namespace {

// Antialiasing and the compositor's blending move channels by a few steps between equal frames.
constexpr int tolerance = 24;

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: picture-difference A.png B.png\n", stderr);
        return 2;
    }
    const QImage a = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    const QImage b = QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
    if (a.isNull() || b.isNull()) {
        std::fputs("picture-difference: a picture could not be read\n", stderr);
        return 1;
    }
    if (a.size() != b.size()) {
        std::puts("100.0");
        return 0;
    }
    long long differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (std::abs(qRed(rowA[x]) - qRed(rowB[x])) > tolerance ||
                std::abs(qGreen(rowA[x]) - qGreen(rowB[x])) > tolerance ||
                std::abs(qBlue(rowA[x]) - qBlue(rowB[x])) > tolerance) {
                ++differing;
            }
        }
    }
    const double total = double(a.width()) * a.height();
    std::printf("%.1f\n", total > 0 ? 100.0 * double(differing) / total : 0.0);
    return 0;
}
