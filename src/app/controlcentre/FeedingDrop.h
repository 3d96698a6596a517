#pragma once

#include <QList>
#include <QUrl>
#include <optional>

class QMimeData;

namespace tundle {

// What a drop on the file-feeding card hands to the feeding: the dragged items as the drag
// lists them, files and anything else alike.
class FeedingDrop {
public:
    // The items of a drag, in its order.
    static QList<QUrl> items(const QMimeData* data);
    // Whether a drag carrying these items lights the card up: it holds a local file.
    static bool targets(const QList<QUrl>& items);
    // The local files to feed, in the drag's order; nothing when the drop is refused because it
    // holds no item or more than the limit. An accepted drop may still hold no file.
    static std::optional<QList<QUrl>> files(const QList<QUrl>& items);
};

}  // namespace tundle
