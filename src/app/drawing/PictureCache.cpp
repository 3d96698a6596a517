#include "drawing/PictureCache.h"

#include <QFileInfo>
#include <QImageReader>

namespace tundle {

PictureCache::PictureCache(std::function<qint64()> uptime, QObject* parent)
    : QObject(parent), uptime_(std::move(uptime)) {
    sweeper_.setSingleShot(true);
    connect(&sweeper_, &QTimer::timeout, this, &PictureCache::sweep);
}

QImage PictureCache::picture(const QString& path, QSize pixels) {
    const QFileInfo file(path);
    const Key key{path, pixels.width(), pixels.height(), file.lastModified().toMSecsSinceEpoch()};
    const auto found = entries_.find(key);
    if (found != entries_.end()) {
        found->second.unheldSince.reset();
        return found->second.image;
    }
    QImageReader reader(path);
    // Decoding straight to the drawn size keeps the full picture out of memory but briefly.
    reader.setScaledSize(pixels);
    QImage image = reader.read();
    if (image.isNull()) {
        return {};
    }
    if (image.size() != pixels) {
        image = image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    entries_.emplace(key, Entry{image, std::nullopt});
    return image;
}

QImage PictureCache::picture(const QString& path) {
    const QSize size = QImageReader(path).size();
    return size.isValid() ? picture(path, size) : QImage();
}

void PictureCache::released() {
    if (!sweeper_.isActive()) {
        sweeper_.start(0);
    }
}

void PictureCache::sweep() {
    const qint64 now = uptime_();
    std::optional<qint64> nextDrop;
    for (auto entry = entries_.begin(); entry != entries_.end();) {
        Entry& kept = entry->second;
        // Only the cache's own copy left: no view holds it.
        if (!kept.image.isDetached()) {
            kept.unheldSince.reset();
        } else if (!kept.unheldSince) {
            kept.unheldSince = now;
        }
        if (kept.unheldSince && now - *kept.unheldSince >= graceMilliseconds) {
            entry = entries_.erase(entry);
            continue;
        }
        if (kept.unheldSince) {
            const qint64 due = *kept.unheldSince + graceMilliseconds - now;
            nextDrop = std::min(nextDrop.value_or(due), due);
        }
        ++entry;
    }
    if (nextDrop) {
        sweeper_.start(int(*nextDrop));
    }
}

}  // namespace tundle
