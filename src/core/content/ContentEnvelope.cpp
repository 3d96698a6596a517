#include "content/ContentEnvelope.h"

#include <QSet>

#include "content/ContentNames.h"
#include "content/ContentUpdateError.h"
#include "content/Sha256.h"
#include "support/JsonReader.h"

namespace tundle {

namespace {

ContentUpdateError refusal(const char* message) {
    return ContentUpdateError(QString::fromUtf8(message));
}

void checkModule(const ContentModule& module,
                 const std::function<bool(const QString& kind)>& hasValidator, qint64& total) {
    QSet<QString> names;
    for (const ContentFile& file : module.files) {
        names.insert(file.name);
    }
    const qsizetype count = static_cast<qsizetype>(module.files.size());
    if (!isSafeName(module.id) || module.schemaVersion != 1 || !hasValidator(module.kind) ||
        count < 1 || count > 64 || names.size() != count) {
        throw refusal("资源模块无效");
    }
    for (const ContentFile& file : module.files) {
        if (!isSafeName(file.name) || !isHashText(file.sha256) || file.bytes < 1 ||
            file.bytes > ContentEnvelope::fileByteLimit) {
            throw refusal("资源文件无效");
        }
        total += file.bytes;
    }
}

}  // namespace

ContentRelease ContentEnvelope::decode(
    const QByteArray& envelope, const Ed25519PublicKey& key, qint64 clientBuild,
    const std::function<bool(const QString& kind)>& hasValidator) {
    if (envelope.size() > byteLimit) {
        throw refusal("发布清单过大");
    }
    const JsonObject json = JsonObject::parse(envelope);
    const QString payloadText = json.required(QStringLiteral("payload")).toString();
    const QString signatureText = json.required(QStringLiteral("signature")).toString();
    const auto payload = decodeStrictBase64(payloadText);
    const auto signature = decodeStrictBase64(signatureText);
    if (!payload || !signature || !key.verify(*payload, *signature)) {
        throw refusal("资源签名校验失败");
    }
    const ContentRelease release = ContentRelease::fromJson(JsonObject::parse(*payload));
    const qsizetype moduleCount = static_cast<qsizetype>(release.modules.size());
    if (release.schemaVersion != 1 || release.sequence < 1 || release.minClientBuild < 1 ||
        release.minClientBuild > clientBuild || moduleCount < 1 || moduleCount > 16) {
        throw refusal("资源版本不兼容");
    }
    QSet<QString> ids;
    for (const ContentModule& module : release.modules) {
        ids.insert(module.id);
    }
    if (ids.size() != moduleCount) {
        throw refusal("资源版本不兼容");
    }
    qint64 total = 0;
    for (const ContentModule& module : release.modules) {
        checkModule(module, hasValidator, total);
    }
    if (total > releaseByteLimit) {
        throw refusal("资源包超过大小限制");
    }
    return release;
}

QString ContentEnvelope::folderName(qint64 sequence, const QByteArray& envelope) {
    return QString::number(sequence) + u'-' + Sha256::text(envelope).left(16);
}

}  // namespace tundle
