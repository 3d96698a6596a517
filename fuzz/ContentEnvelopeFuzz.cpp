#include "content/ContentEnvelope.h"
#include "content/Ed25519PublicKey.h"
#include "fuzz/FuzzInput.h"
#include "support/ContentSigning.h"

using namespace tundle;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const Ed25519PublicKey key =
        Ed25519PublicKey::fromRaw(test::ContentSigner(fuzz::envelopeKeySeed()).rawPublicKey());
    try {
        const ContentRelease release = ContentEnvelope::decode(fuzz::input(data, size), key, 1000,
                                                               [](const QString&) { return true; });
        // A release that passed every check names only modules and files within the limits.
        qint64 total = 0;
        for (const ContentModule& module : release.modules) {
            for (const ContentFile& file : module.files) {
                fuzz::require(file.bytes >= 0 && file.bytes <= ContentEnvelope::fileByteLimit);
                total += file.bytes;
            }
        }
        fuzz::require(total <= ContentEnvelope::releaseByteLimit);
    } catch (const std::exception&) {
    }
    return 0;
}
