#include "content/ContentHTTP.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <algorithm>
#include <iterator>

#include "content/ContentUpdateError.h"

namespace tundle {

namespace {

constexpr qint64 readBufferSize = 65536;

// The scheme of an address as written, before QUrl lower-cases it; nothing for a relative
// address.
std::optional<QString> writtenScheme(const QString& text) {
    const qsizetype colon = text.indexOf(u':');
    if (colon <= 0) {
        return std::nullopt;
    }
    const QString scheme = text.left(colon);
    for (const QChar c : scheme) {
        if (!(c.isLetterOrNumber() || c == u'+' || c == u'-' || c == u'.') || c.unicode() > 127) {
            return std::nullopt;
        }
    }
    return scheme;
}

int statusOf(const QNetworkReply* reply) {
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

}  // namespace

void ContentHTTP::get(const QString& url, qint64 limit, const ContentFetchDone& done) {
    get(url, limit, done, Settings{});
}

void ContentHTTP::get(const QString& url, qint64 limit, const ContentFetchDone& done,
                      const Settings& settings) {
    if (writtenScheme(url) != QStringLiteral("https")) {
        done(std::make_exception_ptr(ContentUpdateError(QStringLiteral("更新地址必须使用 HTTPS"))));
        return;
    }
    auto* download = new ContentHTTP(limit, done, settings);
    download->send(QUrl(url, QUrl::StrictMode));
    download->idle_.start();
    download->overall_.start();
}

ContentHTTP::ContentHTTP(qint64 limit, ContentFetchDone done, const Settings& settings)
    : limit_(limit), continuation_(std::move(done)), tls_(settings.tls) {
    idle_.setSingleShot(true);
    idle_.setInterval(settings.idleTimeout);
    overall_.setSingleShot(true);
    overall_.setInterval(settings.overallTimeout);
    connect(&idle_, &QTimer::timeout, this, [this] { cancel(QStringLiteral("下载超时")); });
    connect(&overall_, &QTimer::timeout, this, [this] { cancel(QStringLiteral("下载超时")); });
}

// Every hop is a request of its own: Qt's own following of redirects (6.4) sends the request
// after a second redirect again and again when the server closes its connection, and reports
// the tries as one answer with the placeholder status 100.
void ContentHTTP::send(const QUrl& url) {
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::AuthenticationReuseAttribute, QNetworkRequest::Manual);
    request.setRawHeader("Accept-Encoding", "identity");
    if (tls_) {
        request.setSslConfiguration(*tls_);
    }

    reply_ = manager_.get(request);
    reply_->setReadBufferSize(readBufferSize);
    connect(reply_, &QNetworkReply::metaDataChanged, this, &ContentHTTP::headersArrived);
    connect(reply_, &QNetworkReply::readyRead, this, &ContentHTTP::bodyArrived);
    connect(reply_, &QNetworkReply::finished, this, &ContentHTTP::finished);
    connect(reply_, &QNetworkReply::downloadProgress, &idle_, qOverload<>(&QTimer::start));
}

// The next hop is checked as soon as the redirect's headers are in, so an address that is not
// https is never asked for; the redirect's own answer is dropped and the next hop sent when it
// has finished.
void ContentHTTP::redirected() {
    const QString location = QString::fromUtf8(reply_->rawHeader("Location"));
    const QUrl target = reply_->url().resolved(QUrl(location, QUrl::StrictMode));
    const std::optional<QString> written = writtenScheme(location);
    if (!target.isValid() || target.scheme() != QLatin1String("https") ||
        (written && *written != QLatin1String("https"))) {
        cancel(QStringLiteral("服务器要求转到非 HTTPS 地址"));
        return;
    }
    if (redirects_ == maximumRedirects) {
        cancel(QStringLiteral("转向次数过多"));
        return;
    }
    ++redirects_;
    redirectTarget_ = target;
    QMetaObject::invokeMethod(reply_, &QNetworkReply::abort, Qt::QueuedConnection);
}

bool ContentHTTP::isRedirectAnswer() const {
    static constexpr int redirects[] = {301, 302, 303, 307, 308};
    return std::ranges::find(redirects, statusOf(reply_)) != std::end(redirects) &&
           reply_->hasRawHeader("Location");
}

// Every answer but a redirect must be a 200 whose announced length fits the limit; the
// status of an answer whose status line has not arrived yet reads as 100 or nothing.
bool ContentHTTP::isFinalAnswer() const {
    return statusOf(reply_) >= 200 && !isRedirectAnswer();
}

void ContentHTTP::headersArrived() {
    idle_.start();
    if (cancelled_ || redirectTarget_) {
        return;
    }
    if (isRedirectAnswer()) {
        redirected();
        return;
    }
    if (!isFinalAnswer()) {
        return;
    }
    const int status = statusOf(reply_);
    if (status != 200) {
        cancel(QStringLiteral("服务器应答状态 %1").arg(status));
        return;
    }
    const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > limit_) {
        cancel(QStringLiteral("内容超过 %1 字节").arg(limit_));
    }
}

void ContentHTTP::bodyArrived() {
    idle_.start();
    if (cancelled_ || redirectTarget_ || !isFinalAnswer()) {
        return;
    }
    if (const std::optional<QString> refusal = takeBody()) {
        cancel(*refusal);
    }
}

// Moves what has arrived into the buffer; a chunk that does not fit is dropped whole.
std::optional<QString> ContentHTTP::takeBody() {
    if (statusOf(reply_) != 200) {
        return QStringLiteral("服务器应答状态 %1").arg(statusOf(reply_));
    }
    while (reply_->bytesAvailable() > 0) {
        const QByteArray chunk = reply_->read(readBufferSize);
        if (limit_ - bytes_.size() < chunk.size()) {
            return QStringLiteral("内容超过 %1 字节").arg(limit_);
        }
        bytes_.append(chunk);
    }
    return std::nullopt;
}

void ContentHTTP::finished() {
    if (!cancelled_ && redirectTarget_) {
        QNetworkReply* const redirect = std::exchange(reply_, nullptr);
        redirect->disconnect(this);
        redirect->deleteLater();
        send(*std::exchange(redirectTarget_, std::nullopt));
        return;
    }
    if (!cancelled_ && reply_->error() == QNetworkReply::NoError) {
        cancelled_ = takeBody();
    }
    if (cancelled_) {
        resume(std::make_exception_ptr(
            ContentDownloadError(QStringLiteral("下载已取消：%1").arg(*cancelled_))));
    } else if (reply_->error() != QNetworkReply::NoError) {
        resume(std::make_exception_ptr(
            ContentDownloadError(QStringLiteral("下载失败：%1").arg(reply_->errorString()))));
    } else {
        resume(std::move(bytes_));
    }
}

void ContentHTTP::cancel(const QString& reason) {
    if (cancelled_ || !continuation_) {
        return;
    }
    cancelled_ = reason;
    bytes_.clear();
    // Aborting from inside one of the reply's own signals upsets its bookkeeping; the
    // abort waits for the event loop, and nothing that arrives meanwhile is kept.
    QMetaObject::invokeMethod(reply_, &QNetworkReply::abort, Qt::QueuedConnection);
}

// Resumes the caller once; whatever still runs is cancelled and the download object goes.
void ContentHTTP::resume(ContentFetchResult result) {
    const ContentFetchDone continuation = std::exchange(continuation_, {});
    if (!continuation) {
        return;
    }
    idle_.stop();
    overall_.stop();
    reply_->disconnect(this);
    if (reply_->isRunning()) {
        reply_->abort();
    }
    deleteLater();
    continuation(std::move(result));
}

}  // namespace tundle
