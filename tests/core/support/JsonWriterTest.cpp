#include "support/JsonWriter.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tundle {
namespace {

TEST(JsonWriter, PrettySortsKeysIndentsByTwoAndEscapesSlashes) {
    const QJsonObject value{
        {"b", QJsonArray{1, 2.5, true}},
        {"a", QStringLiteral("路径/文档 \"引号\"\t\\")},
        {"Z", QJsonObject{{"y", QJsonValue::Null}, {"x", QJsonArray{}}}},
        {"e", QJsonObject{}},
    };
    EXPECT_EQ(JsonWriter::pretty(value),
              QByteArray("{\n"
                         "  \"Z\" : {\n"
                         "    \"x\" : [],\n"
                         "    \"y\" : null\n"
                         "  },\n"
                         "  \"a\" : \"路径\\/文档 \\\"引号\\\"\\t\\\\\",\n"
                         "  \"b\" : [\n"
                         "    1,\n"
                         "    2.5,\n"
                         "    true\n"
                         "  ],\n"
                         "  \"e\" : {}\n"
                         "}"));
    EXPECT_EQ(
        JsonWriter::compact(value),
        QByteArray(
            R"({"Z":{"x":[],"y":null},"a":"路径\/文档 \"引号\"\t\\","b":[1,2.5,true],"e":{}})"));
}

TEST(JsonWriter, NumbersRoundTripWithoutLocaleOrPrecisionLoss) {
    const QJsonArray numbers{1.0, 0.75, 0.1, -3, 1e-7, 123456789.125, qint64(9007199254740993LL)};
    const QByteArray text = JsonWriter::compact(numbers);
    EXPECT_EQ(text, QByteArray("[1,0.75,0.1,-3,1e-07,123456789.125,9007199254740993]"));
    const QJsonArray back = QJsonDocument::fromJson(text).array();
    for (qsizetype i = 0; i + 1 < numbers.size(); ++i) {
        EXPECT_EQ(back.at(i).toDouble(), numbers.at(i).toDouble());
    }
    EXPECT_EQ(back.at(6).toInteger(), 9007199254740993LL);
}

TEST(JsonWriter, ControlCharactersAreEscapedAndTheResultParses) {
    const QString text = QStringLiteral("a\x01\nb\u2028😀");
    const QByteArray written = JsonWriter::compact(QJsonArray{text});
    EXPECT_EQ(written, QByteArray("[\"a\\u0001\\nb\u2028😀\"]"));
    EXPECT_EQ(QJsonDocument::fromJson(written).array().at(0).toString(), text);
}

}  // namespace
}  // namespace tundle
