#pragma once

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>

namespace tundle::test {

// A self-signed certificate for 127.0.0.1 made for one test, trusted by nobody else.
struct ThrowawayCertificate {
    QSslCertificate certificate;
    QSslKey key;

    static ThrowawayCertificate make() {
        std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key(
            EVP_PKEY_Q_keygen(nullptr, nullptr, "EC", "P-256"), EVP_PKEY_free);
        std::unique_ptr<X509, decltype(&X509_free)> x509(X509_new(), X509_free);
        if (!key || !x509) {
            throw std::runtime_error("certificate generation failed");
        }
        X509_set_version(x509.get(), 2);
        ASN1_INTEGER_set(X509_get_serialNumber(x509.get()), 1);
        X509_gmtime_adj(X509_getm_notBefore(x509.get()), -3600);
        X509_gmtime_adj(X509_getm_notAfter(x509.get()), 3600);
        X509_set_pubkey(x509.get(), key.get());
        X509_NAME* name = X509_get_subject_name(x509.get());
        X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                                   reinterpret_cast<const unsigned char*>("127.0.0.1"), -1, -1, 0);
        X509_set_issuer_name(x509.get(), name);
        X509V3_CTX context;
        X509V3_set_ctx_nodb(&context);
        X509V3_set_ctx(&context, x509.get(), x509.get(), nullptr, nullptr, 0);
        for (const auto& [nid, value] : {std::pair{NID_subject_alt_name, "IP:127.0.0.1"},
                                         std::pair{NID_basic_constraints, "critical,CA:TRUE"}}) {
            X509_EXTENSION* extension = X509V3_EXT_conf_nid(nullptr, &context, nid, value);
            X509_add_ext(x509.get(), extension, -1);
            X509_EXTENSION_free(extension);
        }
        if (X509_sign(x509.get(), key.get(), EVP_sha256()) == 0) {
            throw std::runtime_error("certificate signing failed");
        }
        return ThrowawayCertificate{
            QSslCertificate(pem([&](BIO* bio) { return PEM_write_bio_X509(bio, x509.get()); })),
            QSslKey(pem([&](BIO* bio) {
                        return PEM_write_bio_PrivateKey(bio, key.get(), nullptr, nullptr, 0,
                                                        nullptr, nullptr);
                    }),
                    QSsl::Ec)};
    }

    // A client configuration that trusts this certificate and nothing else.
    QSslConfiguration trustingClient() const {
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.setCaCertificates({certificate});
        return tls;
    }

private:
    template <typename Write>
    static QByteArray pem(Write write) {
        std::unique_ptr<BIO, decltype(&BIO_free)> bio(BIO_new(BIO_s_mem()), BIO_free);
        write(bio.get());
        char* data = nullptr;
        const long size = BIO_get_mem_data(bio.get(), &data);
        return QByteArray(data, size);
    }
};

// An HTTPS server on 127.0.0.1: every request's head is handed, with its socket, to the
// handler registered for its path.
class TlsTestServer {
public:
    using Handler = std::function<void(QSslSocket* socket)>;

    explicit TlsTestServer(const ThrowawayCertificate& certificate) {
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.setLocalCertificate(certificate.certificate);
        tls.setPrivateKey(certificate.key);
        server_.setSslConfiguration(tls);
        QObject::connect(&server_, &QTcpServer::pendingConnectionAvailable, [this] {
            while (server_.hasPendingConnections()) {
                accept(static_cast<QSslSocket*>(server_.nextPendingConnection()));
            }
        });
        if (!server_.listen(QHostAddress::LocalHost, 0)) {
            throw std::runtime_error("TLS test server cannot listen");
        }
    }

    void on(const QByteArray& path, Handler handler) { handlers_[path] = std::move(handler); }

    QString url(const QByteArray& path) const {
        return QStringLiteral("https://127.0.0.1:%1%2")
            .arg(server_.serverPort())
            .arg(QString::fromLatin1(path));
    }

    QList<QByteArray> requests() const { return requests_; }

    static void answer(QSslSocket* socket, const QByteArray& status, const QByteArray& headers,
                       const QByteArray& body) {
        socket->write("HTTP/1.1 " + status + "\r\n" + headers + "Connection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    static void answerWithLength(QSslSocket* socket, const QByteArray& body) {
        answer(socket, "200 OK", "Content-Length: " + QByteArray::number(body.size()) + "\r\n",
               body);
    }

    static void answerChunked(QSslSocket* socket, const QByteArray& body) {
        QByteArray chunks;
        for (qsizetype at = 0; at < body.size(); at += 4096) {
            const QByteArray piece = body.mid(at, 4096);
            chunks += QByteArray::number(piece.size(), 16) + "\r\n" + piece + "\r\n";
        }
        answer(socket, "200 OK", "Transfer-Encoding: chunked\r\n", chunks + "0\r\n\r\n");
    }

private:
    void accept(QSslSocket* socket) {
        QObject::connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
        auto head = std::make_shared<QByteArray>();
        QObject::connect(socket, &QSslSocket::readyRead, socket, [this, socket, head] {
            if (head->contains("\r\n\r\n")) {
                return;
            }
            *head += socket->readAll();
            if (!head->contains("\r\n\r\n")) {
                return;
            }
            requests_.append(*head);
            const QByteArray path = head->split(' ').value(1);
            const auto handler = handlers_.find(path);
            if (handler == handlers_.end()) {
                answer(socket, "404 Not Found", "Content-Length: 0\r\n", {});
                return;
            }
            handler->second(socket);
        });
    }

    QSslServer server_;
    std::map<QByteArray, Handler> handlers_;
    QList<QByteArray> requests_;
};

}  // namespace tundle::test
