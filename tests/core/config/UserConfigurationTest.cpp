#include "config/UserConfiguration.h"

#include <gtest/gtest.h>

#include "config/ConfigurationCoding.h"
#include "support/JsonWriter.h"

namespace tundle {
namespace {

UserConfiguration read(const QByteArray& json) {
    return UserConfiguration::fromJson(JsonObject::parse(json));
}

QUuid uuid(const char* text) {
    return *parseUuid(QString::fromLatin1(text));
}

// A configuration that uses every optional field once.
UserConfiguration fullConfiguration() {
    UserConfiguration c;
    c.revision = uuid("11111111-2222-4333-8444-555555555555");
    c.device.petX = 12.5;
    c.device.petY = -3;
    c.device.room = RoomPreferences{.mode = RoomMode::weather,
                                    .motion = RoomMotion::light,
                                    .location = WeatherLocation{"上海", 31.2, 121.5}};
    const QUuid group = uuid("aaaaaaaa-bbbb-4ccc-8ddd-eeeeeeeeeeee");
    c.groups = {ShortcutGroup{group, QStringLiteral("工作")}};
    c.shortcuts = {ShortcutItem{.id = uuid("00000000-0000-4000-8000-00000000000a"),
                                .kind = ShortcutKind::website,
                                .name = QStringLiteral("文档"),
                                .target = QStringLiteral("https://example.com/a/b"),
                                .pinned = true,
                                .bookmark = QByteArray("\x00\x01\xfe", 3),
                                .tagColor = ShortcutColor::purple,
                                .groupID = group}};
    WorkPeriod morning{uuid("00000000-0000-4000-8000-0000000000b1"), 540, 720, true};
    WorkPeriod night{uuid("00000000-0000-4000-8000-0000000000b2"), 1380, 60, false};
    c.schedule.workPlan = WorkPlan{.periods = {morning},
                                   .weekdays = {2, 3, 4, 5, 6},
                                   .weeklyOverrides = WorkPeriodTable{{"7", {night}}},
                                   .dateOverrides = WorkPeriodTable{{"2026-03-05", {}}}};
    c.schedule.legacyTimes = {
        OffWorkTime{uuid("00000000-0000-4000-8000-0000000000c1"), 18, 30, true}};
    return c;
}

TEST(UserConfiguration, DefaultsWriteAndReadBackEqual) {
    const UserConfiguration a;
    EXPECT_EQ(read(JsonWriter::pretty(a.toJson())), a);
    EXPECT_NE(UserConfiguration(), UserConfiguration()) << "each default has its own revision";
    EXPECT_EQ(a.preferences.waterMinutes, 45);
    EXPECT_EQ(a.preferences.petAssetPack, QStringLiteral("H3"));
    const UserConfiguration full = fullConfiguration();
    EXPECT_EQ(read(JsonWriter::pretty(full.toJson())), full);
    EXPECT_EQ(read(JsonWriter::compact(full.toJson())), full);
}

TEST(UserConfiguration, WritesSortedPrettyDocumentWithEscapedSlashesAndUpperCaseUuids) {
    const QByteArray expected = R"({
  "device" : {
    "accessoriesCollapsed" : false,
    "accessoryLayoutV1" : false,
    "petX" : 12.5,
    "petY" : -3,
    "room" : {
      "fixedPhase" : "day",
      "fixedWeather" : "clear",
      "location" : {
        "latitude" : 31.2,
        "longitude" : 121.5,
        "name" : "上海"
      },
      "mode" : "weather",
      "motion" : "light",
      "usesDeviceLocation" : false
    }
  },
  "groups" : [
    {
      "id" : "AAAAAAAA-BBBB-4CCC-8DDD-EEEEEEEEEEEE",
      "name" : "工作"
    }
  ],
  "preferences" : {
    "breathingMinutes" : 3,
    "movementEnabled" : true,
    "movementMinutes" : 60,
    "petAssetPack" : "H3",
    "petScale" : 1,
    "reduceMotion" : false,
    "soundEnabled" : true,
    "waterEnabled" : true,
    "waterMinutes" : 45
  },
  "revision" : "11111111-2222-4333-8444-555555555555",
  "schedule" : {
    "legacyTimes" : [
      {
        "enabled" : true,
        "hour" : 18,
        "id" : "00000000-0000-4000-8000-0000000000C1",
        "minute" : 30
      }
    ],
    "workPlan" : {
      "dateOverrides" : {
        "2026-03-05" : []
      },
      "periods" : [
        {
          "enabled" : true,
          "end" : 720,
          "id" : "00000000-0000-4000-8000-0000000000B1",
          "start" : 540
        }
      ],
      "weekdays" : [
        2,
        3,
        4,
        5,
        6
      ],
      "weeklyOverrides" : {
        "7" : [
          {
            "enabled" : false,
            "end" : 60,
            "id" : "00000000-0000-4000-8000-0000000000B2",
            "start" : 1380
          }
        ]
      }
    }
  },
  "schemaVersion" : 1,
  "shortcuts" : [
    {
      "bookmark" : "AAH+",
      "groupID" : "AAAAAAAA-BBBB-4CCC-8DDD-EEEEEEEEEEEE",
      "id" : "00000000-0000-4000-8000-00000000000A",
      "kind" : "website",
      "name" : "文档",
      "pinned" : true,
      "tagColor" : "purple",
      "target" : "https:\/\/example.com\/a\/b"
    }
  ]
})";
    EXPECT_EQ(encodeConfiguration(fullConfiguration()), expected);
}

TEST(UserConfiguration, AbsentOptionalsAreLeftOutAndNullOptionalsReadAsAbsent) {
    UserConfiguration c = fullConfiguration();
    c.device = DevicePreferences();
    c.schedule.workPlan = WorkPlan{.periods = {}, .weekdays = {}};
    c.shortcuts[0].bookmark.reset();
    c.shortcuts[0].tagColor.reset();
    c.shortcuts[0].groupID.reset();
    const QByteArray text = JsonWriter::compact(c.toJson());
    for (const char* key : {"petX", "petY", "room", "bookmark", "tagColor", "groupID",
                            "weeklyOverrides", "dateOverrides", "location"}) {
        EXPECT_FALSE(text.contains(QByteArray("\"") + key + "\"")) << key;
    }
    EXPECT_EQ(read(text), c);

    QJsonObject json = c.toJson();
    QJsonObject device = json["device"].toObject();
    device["petX"] = QJsonValue::Null;
    device["room"] = QJsonValue::Null;
    json["device"] = device;
    EXPECT_EQ(read(JsonWriter::compact(json)), c);
}

TEST(UserConfiguration, MissingNullOrWronglyTypedRequiredKeysFailTheWholeRead) {
    const QJsonObject valid = fullConfiguration().toJson();
    auto edited = [&](const QString& section, const QString& key, const QJsonValue& value) {
        QJsonObject json = valid;
        QJsonObject inner = json[section].toObject();
        if (value.isUndefined()) {
            inner.remove(key);
        } else {
            inner[key] = value;
        }
        json[section] = inner;
        return JsonWriter::compact(json);
    };
    EXPECT_THROW(read(edited("schedule", "legacyTimes", QJsonValue::Undefined)), JsonError);
    EXPECT_THROW(read(edited("device", "accessoriesCollapsed", QJsonValue::Undefined)), JsonError);
    EXPECT_THROW(read(edited("preferences", "waterMinutes", QJsonValue::Null)), JsonError);
    EXPECT_THROW(read(edited("preferences", "waterMinutes", "45")), JsonError);
    EXPECT_THROW(read(edited("preferences", "petScale", true)), JsonError);

    QJsonObject json = valid;
    QJsonArray shortcuts = json["shortcuts"].toArray();
    QJsonObject item = shortcuts[0].toObject();
    item.remove("pinned");
    shortcuts[0] = item;
    json["shortcuts"] = shortcuts;
    try {
        read(JsonWriter::compact(json));
        FAIL() << "a shortcut without pinned was read";
    } catch (const JsonError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("数据缺少必需的“shortcuts[0].pinned”。"));
    }
}

TEST(UserConfiguration, UnknownRawValuesFailAndUnknownKeysAreDropped) {
    QByteArray text = JsonWriter::compact(fullConfiguration().toJson());
    EXPECT_THROW(read(QByteArray(text).replace("\"website\"", "\"link\"")), JsonError);
    EXPECT_THROW(read(QByteArray(text).replace("\"light\"", "\"slow\"")), JsonError);
    EXPECT_THROW(read(QByteArray(text).replace("\"purple\"", "\"Purple\"")), JsonError);

    const QByteArray extra =
        QByteArray(text).replace("{\"device\"", "{\"future\":[1,2],\"device\"");
    EXPECT_EQ(JsonWriter::compact(read(extra).toJson()), text);
}

TEST(UserConfiguration, ReadsLowerCaseUuidsAndKeepsLocationsAsStored) {
    QByteArray text = JsonWriter::compact(fullConfiguration().toJson());
    text.replace("AAAAAAAA-BBBB-4CCC-8DDD-EEEEEEEEEEEE", "aaaaaaaa-bbbb-4ccc-8ddd-eeeeeeeeeeee");
    const UserConfiguration c = read(text);
    EXPECT_EQ(c, fullConfiguration());
    EXPECT_TRUE(encodeConfiguration(c).contains("AAAAAAAA-BBBB-4CCC-8DDD-EEEEEEEEEEEE"));

    const QString longName(70, QChar(u'城'));
    const WeatherLocation place = WeatherLocation::fromJson(JsonObject::parse(JsonWriter::compact(
        QJsonObject{{"name", longName}, {"latitude", 31.2345}, {"longitude", 121.5}})));
    EXPECT_EQ(place.name, longName);
    EXPECT_EQ(place.latitude, 31.2345);
}

}  // namespace
}  // namespace tundle
