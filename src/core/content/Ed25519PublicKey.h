#pragma once

#include <QByteArray>
#include <memory>

#include "support/UserFacingError.h"

struct evp_pkey_st;

namespace tundle {

// Key bytes that libcrypto does not accept as an Ed25519 public key; the message ends with
// the library's own reason.
class SignatureKeyError : public UserFacingError {
public:
    using UserFacingError::UserFacingError;
};

class Ed25519PublicKey {
public:
    // The 32 raw key bytes; anything else throws SignatureKeyError.
    static Ed25519PublicKey fromRaw(const QByteArray& raw);

    // Only a signature of exactly 64 bytes reaches the library.
    bool verify(const QByteArray& message, const QByteArray& signature) const;

private:
    explicit Ed25519PublicKey(std::shared_ptr<evp_pkey_st> key) : key_(std::move(key)) {}

    std::shared_ptr<evp_pkey_st> key_;
};

}  // namespace tundle
