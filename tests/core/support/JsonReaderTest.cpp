#include "support/JsonReader.h"

#include <gtest/gtest.h>

#include "support/ThrownMessage.h"

namespace tundle {
namespace {

enum class Fruit { apple, pear };
constexpr EnumText<Fruit, 2> fruitText{{"apple", "pear"}};

QString failure(const std::function<void()>& read) {
    return test::thrownMessage<JsonError>(read);
}

TEST(JsonReader, RequiredKeysFailWithTheKeyNamed) {
    const JsonObject doc = JsonObject::parse(R"({"a": {"b": [1, null, "x"]}, "n": null})");
    const JsonObject a = doc.required("a").toObject();
    EXPECT_EQ(failure([&] { doc.required("missing"); }),
              QStringLiteral("数据缺少必需的“missing”。"));
    EXPECT_EQ(failure([&] { doc.required("n"); }), QStringLiteral("数据中“n”不能为空。"));
    EXPECT_EQ(failure([&] { a.required("b").toArray(&JsonValue::toInt); }),
              QStringLiteral("数据中“a.b[1]”的类型不正确，应为整数。"));
    EXPECT_EQ(failure([&] { a.required("b").toString(); }),
              QStringLiteral("数据中“a.b”的类型不正确，应为字符串。"));
    EXPECT_EQ(failure([&] { a.required("c"); }), QStringLiteral("数据缺少必需的“a.c”。"));
}

TEST(JsonReader, OptionalKeysReadMissingAndNullAsAbsent) {
    const JsonObject doc = JsonObject::parse(R"({"n": null, "v": 2.5, "s": "x"})");
    EXPECT_FALSE(doc.optional("n", &JsonValue::toDouble));
    EXPECT_FALSE(doc.optional("missing", &JsonValue::toDouble));
    EXPECT_EQ(doc.optional("v", &JsonValue::toDouble), 2.5);
    // Present but of the wrong type still fails.
    EXPECT_THROW(doc.optional("s", &JsonValue::toDouble), JsonError);
}

TEST(JsonReader, IntegersMustBeIntegral) {
    const JsonObject doc = JsonObject::parse(
        R"({"i": 3, "f": 3.0, "h": 3.5, "t": "3", "b": true, "big": 9007199254740993, "huge": 1e300})");
    EXPECT_EQ(doc.required("i").toInt(), 3);
    EXPECT_EQ(doc.required("f").toInt(), 3);
    EXPECT_EQ(doc.required("big").toInteger(), 9007199254740993LL);
    EXPECT_THROW(doc.required("h").toInt(), JsonError);
    EXPECT_THROW(doc.required("t").toInt(), JsonError);
    EXPECT_THROW(doc.required("b").toInt(), JsonError);
    EXPECT_THROW(doc.required("huge").toInteger(), JsonError);
    EXPECT_EQ(failure([&] { doc.required("big").toInt(); }),
              QStringLiteral("数据中“big”的数值超出范围。"));
    EXPECT_THROW(doc.required("i").toBool(), JsonError);
}

TEST(JsonReader, UuidsInEitherCaseButOnlyCanonicalForm) {
    const JsonObject doc = JsonObject::parse(R"({
        "lower": "0a1b2c3d-4e5f-4a6b-8c7d-9e0f1a2b3c4d",
        "upper": "0A1B2C3D-4E5F-4A6B-8C7D-9E0F1A2B3C4D",
        "braced": "{0A1B2C3D-4E5F-4A6B-8C7D-9E0F1A2B3C4D}",
        "short": "0A1B2C3D4E5F4A6B8C7D9E0F1A2B3C4D",
        "bad": "0A1B2C3D-4E5F-4A6B-8C7D-9E0F1A2B3C4G"})");
    EXPECT_EQ(doc.required("lower").toUuid(), doc.required("upper").toUuid());
    EXPECT_FALSE(doc.required("lower").toUuid().isNull());
    for (const char* key : {"braced", "short", "bad"}) {
        EXPECT_EQ(failure([&] { doc.required(key).toUuid(); }),
                  QStringLiteral("数据中“%1”的类型不正确，应为UUID。").arg(key));
    }
}

TEST(JsonReader, Base64NeedsPaddingAndTheStandardAlphabet) {
    const JsonObject doc = JsonObject::parse(
        R"({"ok": "aGk=", "empty": "", "unpadded": "aGk", "url": "a-_=", "space": "aG k="})");
    EXPECT_EQ(doc.required("ok").toBase64Data(), QByteArray("hi"));
    EXPECT_EQ(doc.required("empty").toBase64Data(), QByteArray());
    EXPECT_THROW(doc.required("unpadded").toBase64Data(), JsonError);
    EXPECT_THROW(doc.required("url").toBase64Data(), JsonError);
    EXPECT_THROW(doc.required("space").toBase64Data(), JsonError);
}

TEST(JsonReader, EnumerationsAcceptOnlyTheirRawStrings) {
    const JsonObject doc = JsonObject::parse(R"({"a": "pear", "b": "Pear", "c": 1})");
    EXPECT_EQ(doc.required("a").toEnum(fruitText), Fruit::pear);
    EXPECT_EQ(failure([&] { doc.required("b").toEnum(fruitText); }),
              QStringLiteral("数据中“b”的取值“Pear”无效。"));
    EXPECT_THROW(doc.required("c").toEnum(fruitText), JsonError);
}

TEST(JsonReader, DocumentMustBeAJsonObject) {
    EXPECT_THROW(JsonObject::parse("[1, 2]"), JsonError);
    EXPECT_THROW(JsonObject::parse("{\"a\": 1"), JsonError);
    EXPECT_THROW(JsonObject::parse(""), JsonError);
    EXPECT_TRUE(failure([] {
                    JsonObject::parse("{,}");
                }).startsWith(QStringLiteral("数据不是有效的 JSON")));
    EXPECT_EQ(JsonObject::parse(R"({"p": "a\/b"})").required("p").toString(),
              QStringLiteral("a/b"));
}

}  // namespace
}  // namespace tundle
