#include "content/ContentHTTP.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPointer>
#include <QTcpServer>
#include <QTimer>

#include "content/ContentUpdateError.h"
#include "core/content/ContentStoreTestKit.h"
#include "support/TlsTestServer.h"

namespace tundle {
namespace {

using test::TlsTestServer;

struct Outcome {
    std::optional<QByteArray> body;
    std::exception_ptr error;

    QString message() const { return test::messageOf(error); }
    bool isDownloadError() const {
        try {
            std::rethrow_exception(error);
        } catch (const ContentDownloadError&) {
            return true;
        } catch (...) {
            return false;
        }
    }
};

class ContentHTTPTest : public ::testing::Test {
protected:
    ContentHTTPTest() {
        settings.tls = certificate.trustingClient();
        EXPECT_TRUE(plain.listen(QHostAddress::LocalHost, 0));
        QObject::connect(&plain, &QTcpServer::newConnection, [this] { ++plainConnections; });
    }

    Outcome get(const QString& url, qint64 limit) {
        bool finished = false;
        Outcome outcome;
        ContentHTTP::get(
            url, limit,
            [&](ContentFetchResult result) {
                if (auto* body = std::get_if<QByteArray>(&result)) {
                    outcome.body = *body;
                } else {
                    outcome.error = std::get<std::exception_ptr>(result);
                }
                finished = true;
            },
            settings);
        EXPECT_TRUE(test::runUntil([&] { return finished; }));
        return outcome;
    }

    QString plainUrl() const {
        return QStringLiteral("http://127.0.0.1:%1/asset").arg(plain.serverPort());
    }

    test::ThrowawayCertificate certificate = test::ThrowawayCertificate::make();
    TlsTestServer server{certificate};
    QTcpServer plain;
    int plainConnections = 0;
    ContentHTTP::Settings settings;
};

TEST_F(ContentHTTPTest, RefusesAnythingButHttpsBeforeConnecting) {
    const QString plainHost = plainUrl();
    for (const QString& url : {plainHost, QString(plainHost).replace(0, 4, "HTTPS"),
                               QStringLiteral("127.0.0.1/asset"), QStringLiteral("ftp://x/y")}) {
        const Outcome outcome = get(url, 10);
        EXPECT_EQ(outcome.message(), QStringLiteral("更新地址必须使用 HTTPS")) << url.toStdString();
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(plainConnections, 0);
}

TEST_F(ContentHTTPTest, HoldsTheBodyToTheLimit) {
    const QByteArray body(200000, 'x');
    server.on("/length",
              [&](QSslSocket* socket) { TlsTestServer::answerWithLength(socket, body); });
    server.on("/chunked", [&](QSslSocket* socket) { TlsTestServer::answerChunked(socket, body); });
    for (const QByteArray path : {"/length", "/chunked"}) {
        const QString url = server.url(path);
        const Outcome exact = get(url, body.size());
        ASSERT_TRUE(exact.body) << exact.message().toStdString();
        EXPECT_EQ(*exact.body, body);
        const Outcome over = get(url, body.size() - 1);
        EXPECT_FALSE(over.body);
        EXPECT_TRUE(over.isDownloadError());
        EXPECT_EQ(over.message(), QStringLiteral("下载已取消：内容超过 199999 字节"));
    }
    EXPECT_EQ(server.requests().size(), 4);
    for (const QByteArray& request : server.requests()) {
        EXPECT_TRUE(request.toLower().contains("accept-encoding: identity\r\n"));
        EXPECT_FALSE(request.toLower().contains("cookie"));
    }
}

TEST_F(ContentHTTPTest, AcceptsOnlyStatus200) {
    server.on("/empty",
              [](QSslSocket* socket) { TlsTestServer::answer(socket, "204 No Content", {}, {}); });
    server.on("/unchanged", [](QSslSocket* socket) {
        TlsTestServer::answer(socket, "304 Not Modified", {}, {});
    });
    server.on("/missing", [](QSslSocket* socket) {
        TlsTestServer::answer(socket, "404 Not Found", "Content-Length: 4\r\n", "gone");
    });
    for (const QByteArray path : {"/empty", "/unchanged", "/missing"}) {
        const Outcome outcome = get(server.url(path), 100);
        EXPECT_FALSE(outcome.body);
        EXPECT_TRUE(outcome.isDownloadError()) << path.toStdString();
        EXPECT_TRUE(outcome.message().startsWith(QStringLiteral("下载已取消：服务器应答状态 ")));
    }
}

TEST_F(ContentHTTPTest, FollowsRedirectsToHttpsOnly) {
    server.on("/asset",
              [](QSslSocket* socket) { TlsTestServer::answerWithLength(socket, "body"); });
    server.on("/moved", [this](QSslSocket* socket) {
        TlsTestServer::answer(socket, "302 Found",
                              "Location: " + server.url("/asset").toLatin1() + "\r\n", {});
    });
    server.on("/downgrade", [this](QSslSocket* socket) {
        TlsTestServer::answer(socket, "302 Found", "Location: " + plainUrl().toLatin1() + "\r\n",
                              {});
    });
    const Outcome followed = get(server.url("/moved"), 100);
    ASSERT_TRUE(followed.body) << followed.message().toStdString();
    EXPECT_EQ(*followed.body, "body");
    const Outcome refused = get(server.url("/downgrade"), 100);
    EXPECT_FALSE(refused.body);
    EXPECT_TRUE(refused.isDownloadError());
    EXPECT_EQ(refused.message(), QStringLiteral("下载已取消：服务器要求转到非 HTTPS 地址"));
    QCoreApplication::processEvents();
    EXPECT_EQ(plainConnections, 0);
}

// Each hop answers with a redirect to the next address of the chain.
void redirectChain(TlsTestServer& server, const QStringList& hops) {
    for (qsizetype at = 0; at + 1 < hops.size(); ++at) {
        server.on(QUrl(hops[at]).path().toLatin1(),
                  [next = hops[at + 1].toLatin1()](QSslSocket* socket) {
                      TlsTestServer::answer(socket, "302 Found", "Location: " + next + "\r\n", {});
                  });
    }
}

TEST_F(ContentHTTPTest, FollowsAChainOfHttpsRedirectsUpToTheLimit) {
    server.on("/asset",
              [](QSslSocket* socket) { TlsTestServer::answerWithLength(socket, "body"); });
    redirectChain(server, {server.url("/one"), server.url("/two"), server.url("/three"),
                           server.url("/asset")});
    const Outcome followed = get(server.url("/one"), 100);
    ASSERT_TRUE(followed.body) << followed.message().toStdString();
    EXPECT_EQ(*followed.body, "body");
    EXPECT_EQ(server.requests().size(), 4);

    QStringList longest;
    for (int hop = 0; hop <= ContentHTTP::maximumRedirects; ++hop) {
        longest.append(server.url("/hop" + QByteArray::number(hop)));
    }
    longest.append(server.url("/asset"));
    redirectChain(server, longest);
    const Outcome atTheLimit = get(longest[1], 100);
    ASSERT_TRUE(atTheLimit.body) << atTheLimit.message().toStdString();
    EXPECT_EQ(*atTheLimit.body, "body");
    const Outcome overTheLimit = get(longest[0], 100);
    EXPECT_FALSE(overTheLimit.body);
    EXPECT_EQ(overTheLimit.message(), QStringLiteral("下载已取消：转向次数过多"));
}

TEST_F(ContentHTTPTest, AnHttpHopAnywhereInTheChainFailsBeforeAnyPlainRequest) {
    redirectChain(server, {server.url("/a1"), plainUrl()});
    redirectChain(server, {server.url("/b1"), server.url("/b2"), server.url("/b3"), plainUrl()});
    redirectChain(
        server, {server.url("/c1"), server.url("/c2"), QString(plainUrl()).replace(0, 4, "HTTP")});
    for (const QByteArray path : {"/a1", "/b1", "/c1"}) {
        const Outcome refused = get(server.url(path), 100);
        EXPECT_FALSE(refused.body);
        EXPECT_EQ(refused.message(), QStringLiteral("下载已取消：服务器要求转到非 HTTPS 地址"))
            << path.toStdString();
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(plainConnections, 0);
}

TEST_F(ContentHTTPTest, RefusesACertificateItDoesNotTrust) {
    server.on("/asset",
              [](QSslSocket* socket) { TlsTestServer::answerWithLength(socket, "body"); });
    settings.tls = QSslConfiguration::defaultConfiguration();
    const Outcome outcome = get(server.url("/asset"), 100);
    EXPECT_FALSE(outcome.body);
    EXPECT_TRUE(outcome.isDownloadError());
    EXPECT_TRUE(server.requests().isEmpty());
}

TEST_F(ContentHTTPTest, GivesUpWhenIdleOrTooSlow) {
    settings.idleTimeout = std::chrono::milliseconds(300);
    settings.overallTimeout = std::chrono::milliseconds(900);
    server.on("/silent", [](QSslSocket*) {});
    // A byte every 50 ms keeps a download alive until the whole-download limit.
    QTimer drip;
    QList<QPointer<QSslSocket>> dripping;
    QObject::connect(&drip, &QTimer::timeout, [&] {
        for (const auto& socket : dripping) {
            if (socket) {
                socket->write("x");
            }
        }
    });
    drip.start(50);
    for (const QByteArray length : {"50", "8"}) {
        server.on("/drip" + length, [&, length](QSslSocket* socket) {
            socket->write("HTTP/1.1 200 OK\r\nContent-Length: " + length + "\r\n\r\n");
            dripping.append(socket);
        });
    }
    QElapsedTimer clock;
    clock.start();
    const Outcome idle = get(server.url("/silent"), 100);
    EXPECT_EQ(idle.message(), QStringLiteral("下载已取消：下载超时"));
    EXPECT_LT(clock.elapsed(), 850);
    clock.restart();
    const Outcome slow = get(server.url("/drip50"), 100);
    EXPECT_EQ(slow.message(), QStringLiteral("下载已取消：下载超时"));
    EXPECT_GE(clock.elapsed(), 850);
    const Outcome patient = get(server.url("/drip8"), 100);
    ASSERT_TRUE(patient.body) << patient.message().toStdString();
    EXPECT_EQ(*patient.body, QByteArray(8, 'x'));
}

}  // namespace
}  // namespace tundle
