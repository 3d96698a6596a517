#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QTimer>
#include <functional>
#include <map>
#include <optional>
#include <tuple>

namespace tundle {

// Pictures from files, decoded straight to the size they are drawn, once for every view that
// draws them (the pet's farm, the control centre's rooms). A view keeps the images it shows and
// lets go of them when it leaves the screen, then calls `released()`; a picture that no view has
// held for the grace period is dropped. A file changed on disk is read again. The application
// owns one and hands it to every view that draws pictures.
class PictureCache : public QObject {
    Q_OBJECT

public:
    static constexpr qint64 graceMilliseconds = 30000;

    // `uptime`: milliseconds on a clock that setting the wall clock does not move.
    explicit PictureCache(std::function<qint64()> uptime, QObject* parent = nullptr);

    // The picture at `path` stretched to `pixels`, smoothly; a null image when it cannot be read.
    QImage picture(const QString& path, QSize pixels);
    // The picture at `path` at its own size.
    QImage picture(const QString& path);
    // A view let go of pictures: what nobody holds is dropped once the grace period has passed.
    void released();
    // Drops what nobody has held for the grace period; `released()` runs it on a timer.
    void sweep();

    std::size_t size() const { return entries_.size(); }

private:
    struct Entry {
        QImage image;
        // Since when no view holds it.
        std::optional<qint64> unheldSince;
    };
    // Path, size in pixels and the file's modification time.
    using Key = std::tuple<QString, int, int, qint64>;

    std::function<qint64()> uptime_;
    std::map<Key, Entry> entries_;
    QTimer sweeper_;
};

}  // namespace tundle
