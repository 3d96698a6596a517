#pragma once

#include <QImage>
#include <QRect>
#include <functional>
#include <map>

class QPainter;

namespace tundle {

// What a view painted into one small region for each frame of the pet, while nothing but the
// frame changes. The pet over the still farm costs a copy of the farm and a blend of the frame
// on every frame; shown again from here it is one copy, as cheap as the frame alone. Kept for
// one region and pixel ratio: another one starts afresh, and so does a picture that would take
// the pictures past their bytes.
class RegionPictures {
public:
    static constexpr qsizetype maximumBytes = 4 * 1024 * 1024;

    // The picture of `region` (the view's coordinates; `ratio` a whole number, so the region
    // lies on whole device pixels) for `frame`, painted by `paint` in the view's coordinates
    // the first time it is asked for. The reference lives only until the pictures start afresh
    // (another region or ratio, a picture past the bytes, clear()), which a later call may do:
    // copy the image (it shares its pixels) to hold it across calls.
    const QImage& picture(int frame, const QRect& region, double ratio,
                          const std::function<void(QPainter&)>& paint);

    std::size_t size() const { return pictures_.size(); }
    void clear() { pictures_.clear(); }

private:
    QRect region_;
    double ratio_ = 0;
    std::map<int, QImage> pictures_;
};

}  // namespace tundle
