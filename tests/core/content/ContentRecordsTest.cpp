#include <gtest/gtest.h>

#include "content/ContentNames.h"
#include "content/ContentStoreState.h"
#include "content/Ed25519PublicKey.h"
#include "content/Sha256.h"

namespace tundle {
namespace {

TEST(ContentRecordsTest, SafeNamesMatchWhole) {
    for (const char* safe : {"a", "7-0123456789abcdef", "A_b.c-d", "0..."}) {
        EXPECT_TRUE(isSafeName(QString::fromLatin1(safe))) << safe;
    }
    for (const char* unsafe : {"", ".", "..", "-a", "_a", "a/b", "a\n", "a b", "ä"}) {
        EXPECT_FALSE(isSafeName(QString::fromUtf8(unsafe))) << unsafe;
    }
    EXPECT_TRUE(isSafeName(QString(100, u'x')));
    EXPECT_FALSE(isSafeName(QString(101, u'x')));
}

TEST(ContentRecordsTest, DigestIsLowercaseHexOfSha256) {
    const QString abc =
        QStringLiteral("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(Sha256::text("abc"), abc);
    Sha256 stream;
    stream.add("a");
    stream.add("bc");
    EXPECT_EQ(stream.finishText(), abc);
    EXPECT_TRUE(isHashText(Sha256::text(QByteArray())));
}

TEST(ContentRecordsTest, StateFileDecodesOnlyAWholeState) {
    EXPECT_EQ(ContentStoreState::decode(R"({"highestSequence":3})"),
              (ContentStoreState{std::nullopt, std::nullopt, 3}));
    for (const QByteArray bytes :
         {R"({"current":"7-ab","previous":"6-cd"})", R"({"current":7,"highestSequence":3})",
          "garbage", R"({"current":"7-ab","highest)", ""}) {
        EXPECT_EQ(ContentStoreState::decode(bytes), std::nullopt) << bytes.toStdString();
    }
    const ContentStoreState state{QStringLiteral("7-ab"), QStringLiteral("6-cd"), 7};
    EXPECT_EQ(state.encode(), R"({"current":"7-ab","highestSequence":7,"previous":"6-cd"})");
    EXPECT_EQ(ContentStoreState::decode(state.encode()), state);
    EXPECT_EQ(ContentStoreState{}.encode(), R"({"highestSequence":0})");
}

TEST(ContentRecordsTest, PublicKeyMustBeAnEd25519Key) {
    EXPECT_THROW(Ed25519PublicKey::fromRaw(QByteArray(31, 'k')), SignatureKeyError);
    EXPECT_NO_THROW(Ed25519PublicKey::fromRaw(QByteArray(32, 'k')));
}

}  // namespace
}  // namespace tundle
