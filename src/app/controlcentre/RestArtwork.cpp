#include "controlcentre/RestArtwork.h"

#include <QDir>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <algorithm>
#include <array>

namespace tundle {

namespace {

// Where each scene starts, as a share of the artwork's height from its top.
constexpr std::array<double, 3> rowTops{0.033, 0.355, 0.681};
constexpr double rowHeight = 0.275;
constexpr double bandLeft = 0.04;
constexpr double bandWidth = 0.3;
constexpr double cornerRadius = 12;

}  // namespace

RestArtwork::RestArtwork(QImage artwork, QWidget* parent)
    : QWidget(parent), artwork_(std::move(artwork)) {}

void RestArtwork::setKind(RestKind kind) {
    const int row = rowFor(kind);
    if (row != row_) {
        row_ = row;
        update();
    }
}

int RestArtwork::rowFor(RestKind kind) {
    switch (kind) {
        case RestKind::morning:
            return 1;
        case RestKind::midday:
            return 2;
        case RestKind::evening:
        case RestKind::holiday:
            break;
    }
    return 0;
}

QRectF RestArtwork::sourceRect(QSizeF size, int row) {
    const double top = rowTops.at(std::size_t(std::clamp(row, 0, 2)));
    return {bandLeft * size.width(), top * size.height(), bandWidth * size.width(),
            rowHeight * size.height()};
}

QRectF RestArtwork::targetRect(QSizeF bounds, QSizeF source) {
    if (source.isEmpty() || bounds.isEmpty()) {
        return {};
    }
    const double aspect = source.width() / source.height();
    const double width = std::min(bounds.width(), aspect * bounds.height());
    const double height = width / aspect;
    return {(bounds.width() - width) / 2, (bounds.height() - height) / 2, width, height};
}

QString RestArtwork::builtInPath(const std::optional<QString>& resourceFolder) {
    const QString file = QStringLiteral("Rest/rest-strips.png");
    QStringList candidates;
    if (resourceFolder) {
        candidates << QDir(*resourceFolder).filePath(file);
    }
    candidates << QDir::current().filePath(QStringLiteral("app/Assets/") + file)
               << QDir::current().filePath(QStringLiteral("Assets/") + file);
    for (const QString& candidate : candidates) {
        if (QImageReader(candidate).canRead()) {
            return candidate;
        }
    }
    return {};
}

void RestArtwork::paintEvent(QPaintEvent*) {
    if (artwork_.isNull()) {
        return;
    }
    const QRectF source = sourceRect(artwork_.deviceIndependentSize(), row_);
    const double scale = artwork_.devicePixelRatio();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
    painter.setClipPath(clip);
    painter.drawImage(targetRect(QSizeF(size()), source.size()), artwork_,
                      QRectF(source.topLeft() * scale, source.size() * scale));
}

}  // namespace tundle
