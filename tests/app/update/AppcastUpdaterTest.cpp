#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include "support/ContentSigning.h"
#include "support/RunUntil.h"
#include "support/TemporaryHome.h"
#include "support/TlsTestServer.h"
#include "update/Appcast.h"
#include "update/AppcastUpdater.h"

namespace tundle {
namespace {

using test::TlsTestServer;

// A gzip-compressed tar of an install folder whose program file holds `program`.
QByteArray archiveWith(const QByteArray& program) {
    QTemporaryDir work;
    QDir().mkpath(work.filePath(QStringLiteral("tree/bin")));
    test::writeAll(work.filePath(QStringLiteral("tree/bin/pet-tundle")), program);
    const QString archive = work.filePath(QStringLiteral("build.tar.gz"));
    QProcess::execute(QStringLiteral("tar"),
                      {QStringLiteral("-czf"), archive, QStringLiteral("-C"),
                       work.filePath(QStringLiteral("tree")), QStringLiteral(".")});
    return test::readAll(archive);
}

QByteArray appcastWith(const QString& url, qint64 length, const QByteArray& signature) {
    return QStringLiteral(
               R"(<?xml version="1.0"?><rss version="2.0" xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle"><channel>)"
               R"(<item><title>old</title><enclosure url="https://127.0.0.1:1/old" length="5" sparkle:version="6" sparkle:edSignature="%3"/></item>)"
               R"(<item><sparkle:version>8</sparkle:version><sparkle:shortVersionString>1.8</sparkle:shortVersionString>)"
               R"(<enclosure url="%1" length="%2" sparkle:edSignature="%3"/></item>)"
               R"(</channel></rss>)")
        .arg(url)
        .arg(length)
        .arg(QString::fromLatin1(signature.toBase64()))
        .toUtf8();
}

TEST(AppcastUpdaterTest, InstallsOnlyACorrectlySignedArchive) {
    const test::ContentSigner signer;
    const test::ContentSigner stranger;
    const QByteArray archive = archiveWith("new build");
    const auto certificate = test::ThrowawayCertificate::make();
    TlsTestServer server(certificate);
    server.on("/build-8.tar.gz",
              [&](QSslSocket* socket) { TlsTestServer::answerWithLength(socket, archive); });

    struct Case {
        const test::ContentSigner& signer;
        qint64 declaredLength;
        QString status;
        QByteArray program;
    };
    const std::vector<Case> cases = {
        {stranger, archive.size(), QStringLiteral("软件更新已暂停（更新包签名无效）"), "old build"},
        {signer, archive.size() - 1,
         QStringLiteral("软件更新已暂停（下载已取消：内容超过 %1 字节）").arg(archive.size() - 1),
         "old build"},
        {signer, archive.size(), QStringLiteral("糯墩 1.8 已安装，重新打开后生效"), "new build"},
    };
    for (const Case& c : cases) {
        QTemporaryDir parent;
        const QString location = parent.filePath(QStringLiteral("pet-tundle"));
        QDir().mkpath(location + QStringLiteral("/bin"));
        test::writeAll(location + QStringLiteral("/bin/pet-tundle"), "old build");
        const QByteArray feed =
            appcastWith(server.url("/build-8.tar.gz"), c.declaredLength, c.signer.sign(archive));
        server.on("/appcast.xml",
                  [feed](QSslSocket* socket) { TlsTestServer::answerWithLength(socket, feed); });
        QString status;
        ContentHTTP::Settings transfer;
        transfer.tls = certificate.trustingClient();
        AppcastUpdater updater(
            SoftwareUpdater::Setup{
                .feedURL = [&] { return std::optional<QString>(server.url("/appcast.xml")); },
                .publicKey = signer.rawPublicKey(),
                .bundleVersion = QStringLiteral("7"),
                .installLocation = location,
                .report = [&](const QString& text) { status = text; },
            },
            transfer);
        updater.startUpdater();
        updater.checkForUpdates();
        EXPECT_FALSE(updater.canCheckForUpdates());
        ASSERT_TRUE(test::runUntil([&] { return !status.isEmpty(); }));
        EXPECT_EQ(status, c.status);
        EXPECT_TRUE(updater.canCheckForUpdates());
        EXPECT_EQ(test::readAll(location + QStringLiteral("/bin/pet-tundle")), c.program);
        EXPECT_EQ(
            QDir(parent.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("pet-tundle")})
            << "no staged or previous folder is left behind";
    }
}

TEST(AppcastUpdaterTest, FeedTakesTheNewestUsableItemAboveTheRunningBuild) {
    const QByteArray signature(64, 's');
    const auto item = [&](const char* version, const char* length, const QByteArray& sig) {
        return QStringLiteral(
                   R"(<item><enclosure url="https://u.invalid/%1" length="%2" sparkle:version="%1" sparkle:edSignature="%3"/></item>)")
            .arg(QString::fromLatin1(version), QString::fromLatin1(length),
                 QString::fromLatin1(sig.toBase64()));
    };
    const QString feed =
        QStringLiteral(
            R"(<rss xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle"><channel>)") +
        item("1.9", "10", signature) + item("1.10", "10", signature) + item("2.0", "0", signature) +
        item("3.0", "10", QByteArray(63, 's')) + item("x", "10", signature) +
        QStringLiteral("</channel></rss>");
    const Appcast appcast = Appcast::parse(feed.toUtf8());
    EXPECT_EQ(appcast.items.size(), 2u);
    EXPECT_EQ(appcast.newestAbove(QStringLiteral("1.9"))->version, QStringLiteral("1.10"));
    EXPECT_FALSE(appcast.newestAbove(QStringLiteral("1.10.0")));
    EXPECT_FALSE(appcast.newestAbove(QStringLiteral("1.x")));
    EXPECT_THROW(Appcast::parse("<rss><channel>"), UserFacingError);
}

}  // namespace
}  // namespace tundle
