#pragma once

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace tundle::fuzz {

inline QByteArray input(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// A broken round trip is a fault like a crash: stop so the fuzzer keeps the input.
inline void require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// The private seed of the key the envelope target trusts and its seeds are signed with.
inline QByteArray envelopeKeySeed() {
    return QByteArray(32, '\x2a');
}

}  // namespace tundle::fuzz
