#pragma once

#include <QString>

#include "content/ContentFetch.h"
#include "content/ContentHTTP.h"

namespace tundle {

// Downloads from the content server by paths relative to its base address, so the store's
// addresses reach the server whatever leading path the base address carries.
class ContentTransfer {
public:
    ContentTransfer(QString baseURL, ContentHTTP::Settings settings = {});

    // The last two pieces of the address's path: "content/<channel>.json" or
    // "assets/<sha256>".
    static QString relativePath(const QString& url);

    void get(const QString& path, qint64 limit, const ContentFetchDone& done) const;
    // The store's fetch operation over this transfer.
    ContentFetch fetch() const;

private:
    QString baseURL_;
    ContentHTTP::Settings settings_;
};

}  // namespace tundle
