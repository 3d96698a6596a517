#include "content/Ed25519PublicKey.h"

#include <openssl/err.h>
#include <openssl/evp.h>

#include <memory>

namespace tundle {

Ed25519PublicKey Ed25519PublicKey::fromRaw(const QByteArray& raw) {
    ERR_clear_error();
    EVP_PKEY* key = EVP_PKEY_new_raw_public_key(
        EVP_PKEY_ED25519, nullptr, reinterpret_cast<const unsigned char*>(raw.constData()),
        static_cast<size_t>(raw.size()));
    if (key == nullptr) {
        char reason[256] = {};
        ERR_error_string_n(ERR_get_error(), reason, sizeof reason);
        ERR_clear_error();
        throw SignatureKeyError(QStringLiteral("公钥格式无效：%1").arg(QString::fromUtf8(reason)));
    }
    return Ed25519PublicKey(std::shared_ptr<evp_pkey_st>(key, EVP_PKEY_free));
}

bool Ed25519PublicKey::verify(const QByteArray& message, const QByteArray& signature) const {
    if (signature.size() != 64) {
        return false;
    }
    const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(),
                                                                          EVP_MD_CTX_free);
    const bool valid =
        context &&
        EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key_.get()) == 1 &&
        EVP_DigestVerify(context.get(),
                         reinterpret_cast<const unsigned char*>(signature.constData()),
                         static_cast<size_t>(signature.size()),
                         reinterpret_cast<const unsigned char*>(message.constData()),
                         static_cast<size_t>(message.size())) == 1;
    ERR_clear_error();
    return valid;
}

}  // namespace tundle
