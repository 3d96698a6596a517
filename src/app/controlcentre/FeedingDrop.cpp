#include "controlcentre/FeedingDrop.h"

#include <QMimeData>
#include <algorithm>

#include "model/AppModel.h"

namespace tundle {

QList<QUrl> FeedingDrop::items(const QMimeData* data) {
    return data && data->hasUrls() ? data->urls() : QList<QUrl>();
}

bool FeedingDrop::targets(const QList<QUrl>& items) {
    return std::any_of(items.begin(), items.end(),
                       [](const QUrl& url) { return url.isLocalFile(); });
}

std::optional<QList<QUrl>> FeedingDrop::files(const QList<QUrl>& items) {
    if (items.isEmpty() || items.size() > AppModel::feedingLimit) {
        return std::nullopt;
    }
    QList<QUrl> files;
    std::copy_if(items.begin(), items.end(), std::back_inserter(files),
                 [](const QUrl& url) { return url.isLocalFile(); });
    return files;
}

}  // namespace tundle
