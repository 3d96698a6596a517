#include "content/Sha256.h"

#include <openssl/evp.h>

#include <array>
#include <new>

namespace tundle {

namespace {

QString hexText(const unsigned char* digest, unsigned int length) {
    static constexpr char digits[] = "0123456789abcdef";
    QString text(static_cast<qsizetype>(length) * 2, Qt::Uninitialized);
    for (unsigned int i = 0; i < length; ++i) {
        text[2 * i] = QLatin1Char(digits[digest[i] >> 4]);
        text[2 * i + 1] = QLatin1Char(digits[digest[i] & 0x0f]);
    }
    return text;
}

}  // namespace

void Sha256::Free::operator()(evp_md_ctx_st* context) const {
    EVP_MD_CTX_free(context);
}

Sha256::Sha256() : context_(EVP_MD_CTX_new()) {
    if (!context_ || EVP_DigestInit_ex(context_.get(), EVP_sha256(), nullptr) != 1) {
        throw std::bad_alloc();
    }
}

Sha256::~Sha256() = default;

void Sha256::add(QByteArrayView bytes) {
    if (EVP_DigestUpdate(context_.get(), bytes.data(), static_cast<size_t>(bytes.size())) != 1) {
        throw std::bad_alloc();
    }
}

QString Sha256::finishText() {
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
    unsigned int length = 0;
    if (EVP_DigestFinal_ex(context_.get(), digest.data(), &length) != 1) {
        throw std::bad_alloc();
    }
    return hexText(digest.data(), length);
}

QString Sha256::text(QByteArrayView bytes) {
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
    unsigned int length = 0;
    if (EVP_Digest(bytes.data(), static_cast<size_t>(bytes.size()), digest.data(), &length,
                   EVP_sha256(), nullptr) != 1) {
        throw std::bad_alloc();
    }
    return hexText(digest.data(), length);
}

}  // namespace tundle
