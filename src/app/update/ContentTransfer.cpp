#include "update/ContentTransfer.h"

#include <QStringList>
#include <QUrl>

namespace tundle {

ContentTransfer::ContentTransfer(QString baseURL, ContentHTTP::Settings settings)
    : baseURL_(std::move(baseURL)), settings_(std::move(settings)) {}

QString ContentTransfer::relativePath(const QString& url) {
    const QStringList pieces = QUrl(url).path(QUrl::FullyEncoded).split(u'/', Qt::SkipEmptyParts);
    return pieces.mid(std::max<qsizetype>(0, pieces.size() - 2)).join(u'/');
}

void ContentTransfer::get(const QString& path, qint64 limit, const ContentFetchDone& done) const {
    QString base = baseURL_;
    if (!base.endsWith(u'/')) {
        base += u'/';
    }
    ContentHTTP::get(base + path, limit, done, settings_);
}

ContentFetch ContentTransfer::fetch() const {
    return [transfer = *this](const QString& url, qint64 limit, const ContentFetchDone& done) {
        transfer.get(relativePath(url), limit, done);
    };
}

}  // namespace tundle
