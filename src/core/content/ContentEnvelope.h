#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include "content/ContentRelease.h"
#include "content/Ed25519PublicKey.h"

namespace tundle {

// The signed document the server publishes for a channel: a base64 manifest and the
// Ed25519 signature over the manifest's bytes.
class ContentEnvelope {
public:
    static constexpr qint64 byteLimit = 1048576;
    static constexpr qint64 fileByteLimit = 33554432;
    static constexpr qint64 releaseByteLimit = 201326592;

    // Checks the envelope against the key, the client's build and every limit of a release,
    // and returns the manifest. Refusals are ContentUpdateError; malformed JSON is JsonError.
    static ContentRelease decode(const QByteArray& envelope, const Ed25519PublicKey& key,
                                 qint64 clientBuild,
                                 const std::function<bool(const QString& kind)>& hasValidator);

    // The release folder's name: its sequence and the start of the envelope's hash, so two
    // different envelopes of one sequence never share a folder.
    static QString folderName(qint64 sequence, const QByteArray& envelope);
};

}  // namespace tundle
