#pragma once

#include <QByteArray>
#include <QString>
#include <exception>
#include <functional>
#include <variant>

namespace tundle {

// The body of a download, or why it failed.
using ContentFetchResult = std::variant<QByteArray, std::exception_ptr>;
using ContentFetchDone = std::function<void(ContentFetchResult)>;

// Downloads `url`, expected to stop at `limit` bytes, and calls `done` once, on any thread.
using ContentFetch =
    std::function<void(const QString& url, qint64 limit, const ContentFetchDone& done)>;

}  // namespace tundle
