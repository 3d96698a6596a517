#include "content/ContentEnvelope.h"

#include <gtest/gtest.h>

#include "content/ContentUpdateError.h"
#include "content/Sha256.h"
#include "support/ContentSigning.h"

namespace tundle {
namespace {

const QString roomKind = QStringLiteral("room.scene");

ContentFile file(const QString& name, qint64 bytes = 10) {
    return ContentFile{name, QString(64, u'a'), bytes};
}

ContentModule module(const QString& id, std::vector<ContentFile> files) {
    return ContentModule{id, roomKind, 1, std::move(files)};
}

ContentRelease release(std::vector<ContentModule> modules) {
    return ContentRelease{1, 7, 42, std::move(modules)};
}

ContentRelease simpleRelease() {
    return release({module("room", {file("scene.json")})});
}

class ContentEnvelopeTest : public ::testing::Test {
protected:
    ContentRelease decode(const QByteArray& envelope) const {
        return ContentEnvelope::decode(envelope, key, 42,
                                       [](const QString& kind) { return kind == roomKind; });
    }

    QString refusal(const QByteArray& envelope) const {
        try {
            decode(envelope);
        } catch (const ContentUpdateError& error) {
            return error.message();
        }
        return QStringLiteral("accepted");
    }

    QString refusal(const ContentRelease& manifest) const {
        return refusal(signer.signRelease(manifest));
    }

    test::ContentSigner signer;
    Ed25519PublicKey key = Ed25519PublicKey::fromRaw(signer.rawPublicKey());
};

TEST_F(ContentEnvelopeTest, AcceptsSignedReleaseAndNamesItsFolder) {
    const QByteArray envelope = signer.signRelease(simpleRelease());
    EXPECT_EQ(decode(envelope), simpleRelease());
    EXPECT_EQ(ContentEnvelope::folderName(7, envelope),
              QStringLiteral("7-") + Sha256::text(envelope).left(16));
}

TEST_F(ContentEnvelopeTest, EnvelopeSizeIsCheckedBeforeJson) {
    QByteArray envelope = signer.signRelease(simpleRelease());
    envelope.append(QByteArray(ContentEnvelope::byteLimit - envelope.size(), ' '));
    ASSERT_EQ(envelope.size(), 1048576);
    EXPECT_EQ(refusal(envelope), QStringLiteral("accepted"));
    EXPECT_EQ(refusal(QByteArray(1048577, '{')), QStringLiteral("发布清单过大"));
    EXPECT_THROW(decode(QByteArray(1048576, '{')), JsonError);
}

TEST_F(ContentEnvelopeTest, RefusesAnythingButASignatureOverThePayloadBytes) {
    const QByteArray payload = JsonWriter::compact(simpleRelease().toJson());
    const QByteArray signature = signer.sign(payload).toBase64();
    const QByteArray wrapped = payload.toBase64().insert(8, '\n');
    EXPECT_EQ(refusal(test::ContentSigner::envelope(wrapped, signature)),
              QStringLiteral("资源签名校验失败"));
    EXPECT_EQ(refusal(test::ContentSigner::envelope(payload.toBase64(),
                                                    signer.sign(payload.toBase64()).toBase64())),
              QStringLiteral("资源签名校验失败"));
    EXPECT_EQ(refusal(test::ContentSigner::envelope(payload.toBase64(),
                                                    signer.sign(payload).left(63).toBase64())),
              QStringLiteral("资源签名校验失败"));
    EXPECT_EQ(refusal(test::ContentSigner::envelope(payload.toBase64(), signature.chopped(1))),
              QStringLiteral("资源签名校验失败"));
    EXPECT_EQ(refusal(test::ContentSigner().signRelease(simpleRelease())),
              QStringLiteral("资源签名校验失败"));
    EXPECT_EQ(refusal(test::ContentSigner::envelope(payload.toBase64(), signature)),
              QStringLiteral("accepted"));
}

TEST_F(ContentEnvelopeTest, DecodingFailuresPassThroughUnchanged) {
    EXPECT_THROW(decode("not json"), JsonError);
    EXPECT_THROW(decode(R"({"payload":"e30="})"), JsonError);
    EXPECT_THROW(decode(R"({"payload":1,"signature":"e30="})"), JsonError);
    EXPECT_THROW(decode(signer.signPayload(R"({"schemaVersion":1,"sequence":1,"modules":[]})")),
                 JsonError);
}

TEST_F(ContentEnvelopeTest, RefusesIncompatibleVersions) {
    ContentRelease manifest = simpleRelease();
    EXPECT_EQ(refusal(manifest), QStringLiteral("accepted"));
    manifest.minClientBuild = 43;
    EXPECT_EQ(refusal(manifest), QStringLiteral("资源版本不兼容"));
    manifest.minClientBuild = 0;
    EXPECT_EQ(refusal(manifest), QStringLiteral("资源版本不兼容"));
    manifest = simpleRelease();
    manifest.schemaVersion = 2;
    EXPECT_EQ(refusal(manifest), QStringLiteral("资源版本不兼容"));
    manifest = simpleRelease();
    manifest.sequence = 0;
    EXPECT_EQ(refusal(manifest), QStringLiteral("资源版本不兼容"));
    EXPECT_EQ(refusal(release({})), QStringLiteral("资源版本不兼容"));
    std::vector<ContentModule> many;
    for (int i = 0; i < 17; ++i) {
        many.push_back(module(QStringLiteral("m%1").arg(i), {file("a")}));
    }
    EXPECT_EQ(refusal(release(many)), QStringLiteral("资源版本不兼容"));
    many.resize(16);
    EXPECT_EQ(refusal(release(many)), QStringLiteral("accepted"));
    EXPECT_EQ(refusal(release({module("same", {file("a")}), module("same", {file("b")})})),
              QStringLiteral("资源版本不兼容"));
}

TEST_F(ContentEnvelopeTest, RefusesInvalidModules) {
    ContentModule unknown = module("room", {file("a")});
    unknown.kind = QStringLiteral("pet.actions");
    EXPECT_EQ(refusal(release({unknown})), QStringLiteral("资源模块无效"));
    ContentModule newer = module("room", {file("a")});
    newer.schemaVersion = 2;
    EXPECT_EQ(refusal(release({newer})), QStringLiteral("资源模块无效"));
    EXPECT_EQ(refusal(release({module("room", {})})), QStringLiteral("资源模块无效"));
    std::vector<ContentFile> files;
    for (int i = 0; i < 65; ++i) {
        files.push_back(file(QStringLiteral("f%1").arg(i)));
    }
    EXPECT_EQ(refusal(release({module("room", files)})), QStringLiteral("资源模块无效"));
    files.resize(64);
    EXPECT_EQ(refusal(release({module("room", files)})), QStringLiteral("accepted"));
    EXPECT_EQ(refusal(release({module("room", {file("a"), file("a")})})),
              QStringLiteral("资源模块无效"));
    for (const QString& id : {QStringLiteral(".room"), QStringLiteral("room\n"), QString(),
                              QString(101, u'r'), QStringLiteral("a/b")}) {
        EXPECT_EQ(refusal(release({module(id, {file("a")})})), QStringLiteral("资源模块无效"))
            << id.toStdString();
    }
    EXPECT_EQ(refusal(release({module(QString(100, u'r'), {file("a")})})),
              QStringLiteral("accepted"));
}

TEST_F(ContentEnvelopeTest, RefusesInvalidFiles) {
    const auto refusalFor = [this](const ContentFile& entry) {
        return refusal(release({module("room", {entry})}));
    };
    EXPECT_EQ(refusalFor(file("a/b")), QStringLiteral("资源文件无效"));
    EXPECT_EQ(refusalFor(file("..")), QStringLiteral("资源文件无效"));
    EXPECT_EQ(refusalFor(file("A-b_c.png")), QStringLiteral("accepted"));
    for (const QString& hash : {QString(64, u'A'), QString(63, u'a'), QString(63, u'a') + u'\n',
                                QString(64, u'a') + u'\n', QString(64, u'g')}) {
        ContentFile entry = file("a");
        entry.sha256 = hash;
        EXPECT_EQ(refusalFor(entry), QStringLiteral("资源文件无效")) << hash.toStdString();
    }
    EXPECT_EQ(refusalFor(file("a", 0)), QStringLiteral("资源文件无效"));
    EXPECT_EQ(refusalFor(file("a", 33554433)), QStringLiteral("资源文件无效"));
    EXPECT_EQ(refusalFor(file("a", 33554432)), QStringLiteral("accepted"));
}

TEST_F(ContentEnvelopeTest, HoldsTheReleaseTotalToItsLimit) {
    std::vector<ContentFile> full;
    for (int i = 0; i < 64; ++i) {
        full.push_back(file(QStringLiteral("f%1").arg(i), 33554432));
    }
    std::vector<ContentModule> seven;
    for (int i = 0; i < 7; ++i) {
        seven.push_back(module(QStringLiteral("m%1").arg(i), full));
    }
    EXPECT_EQ(refusal(release(seven)), QStringLiteral("资源包超过大小限制"));
    std::vector<ContentFile> exact(6, file("x", 33554432));
    for (int i = 0; i < 6; ++i) {
        exact[static_cast<std::size_t>(i)].name = QStringLiteral("f%1").arg(i);
    }
    EXPECT_EQ(refusal(release({module("room", exact)})), QStringLiteral("accepted"));
    exact.push_back(file("one", 1));
    EXPECT_EQ(refusal(release({module("room", exact)})), QStringLiteral("资源包超过大小限制"));
}

}  // namespace
}  // namespace tundle
