#pragma once

#include <openssl/evp.h>

#include <QByteArray>
#include <QJsonObject>
#include <memory>
#include <stdexcept>

#include "content/ContentRelease.h"
#include "support/JsonWriter.h"

namespace tundle::test {

// An Ed25519 key pair made for one test, and the envelopes it signs.
class ContentSigner {
public:
    ContentSigner() : key_(EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519"), EVP_PKEY_free) {
        if (!key_) {
            throw std::runtime_error("Ed25519 key generation failed");
        }
    }

    // The key pair of a fixed 32-byte private seed, for documents that must verify across runs.
    explicit ContentSigner(const QByteArray& privateSeed)
        : key_(EVP_PKEY_new_raw_private_key(
                   EVP_PKEY_ED25519, nullptr,
                   reinterpret_cast<const unsigned char*>(privateSeed.constData()),
                   static_cast<size_t>(privateSeed.size())),
               EVP_PKEY_free) {
        if (!key_) {
            throw std::runtime_error("Ed25519 key from seed failed");
        }
    }

    QByteArray rawPublicKey() const {
        QByteArray raw(32, Qt::Uninitialized);
        size_t length = 32;
        EVP_PKEY_get_raw_public_key(key_.get(), reinterpret_cast<unsigned char*>(raw.data()),
                                    &length);
        return raw;
    }

    QString publicKeyBase64() const { return QString::fromLatin1(rawPublicKey().toBase64()); }

    QByteArray sign(const QByteArray& message) const {
        std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(),
                                                                        EVP_MD_CTX_free);
        QByteArray signature(64, Qt::Uninitialized);
        size_t length = 64;
        if (EVP_DigestSignInit(context.get(), nullptr, nullptr, nullptr, key_.get()) != 1 ||
            EVP_DigestSign(context.get(), reinterpret_cast<unsigned char*>(signature.data()),
                           &length, reinterpret_cast<const unsigned char*>(message.constData()),
                           static_cast<size_t>(message.size())) != 1) {
            throw std::runtime_error("Ed25519 signing failed");
        }
        return signature;
    }

    // An envelope with the given base64 texts as written.
    static QByteArray envelope(const QByteArray& payloadText, const QByteArray& signatureText) {
        return JsonWriter::compact(QJsonObject{
            {QStringLiteral("payload"), QString::fromLatin1(payloadText)},
            {QStringLiteral("signature"), QString::fromLatin1(signatureText)},
        });
    }

    QByteArray signPayload(const QByteArray& payload) const {
        return envelope(payload.toBase64(), sign(payload).toBase64());
    }

    QByteArray signRelease(const ContentRelease& release) const {
        return signPayload(JsonWriter::compact(release.toJson()));
    }

private:
    std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key_;
};

}  // namespace tundle::test
