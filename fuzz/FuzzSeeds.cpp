// Writes the starting corpus of every fuzz target: valid documents of each kind.
#include <QDir>

#include "config/ConfigurationCoding.h"
#include "config/ConfigurationPackage.h"
#include "config/ShortcutStore.h"
#include "content/ContentRelease.h"
#include "content/ContentStoreState.h"
#include "fuzz/FuzzInput.h"
#include "room/RoomSceneDefinition.h"
#include "room/WeatherSnapshot.h"
#include "support/ContentSigning.h"
#include "support/FileIO.h"
#include "support/JsonWriter.h"

using namespace tundle;

namespace {

UserConfiguration richConfiguration() {
    UserConfiguration c;
    c.device.petX = 12.5;
    c.device.petY = 80;
    c.device.room =
        RoomPreferences{.mode = RoomMode::weather, .location = WeatherLocation::cities()[1]};
    const ShortcutGroup group{.name = QStringLiteral("工作")};
    c.groups = {group};
    c.shortcuts = {
        ShortcutItem{.kind = ShortcutKind::website,
                     .name = QStringLiteral("文档"),
                     .target = QStringLiteral("https://example.com/a"),
                     .pinned = true,
                     .tagColor = ShortcutColor::green,
                     .groupID = group.id},
        ShortcutItem{.kind = ShortcutKind::folder,
                     .name = QStringLiteral("下载"),
                     .target = QStringLiteral("/home/user/Downloads"),
                     .bookmark = QByteArray("\x01\x02\x03", 3)},
    };
    WorkPeriod day{.start = 540, .end = 1080};
    WorkPeriod night{.start = 1320, .end = 120, .enabled = false};
    c.schedule.workPlan = WorkPlan{.periods = {day},
                                   .weekdays = {2, 3, 4, 5, 6},
                                   .weeklyOverrides = WorkPeriodTable{{"7", {night}}},
                                   .dateOverrides = WorkPeriodTable{{"2026-10-01", {}}}};
    c.schedule.legacyTimes = {OffWorkTime{.hour = 18, .minute = 30}};
    return c;
}

RoomSceneDefinition scene() {
    return RoomSceneDefinition{.title = QStringLiteral("小屋"),
                               .width = 1024,
                               .height = 1536,
                               .base = QStringLiteral("base.png"),
                               .sunny = QStringLiteral("sunny.png"),
                               .night = QStringLiteral("night.png"),
                               .windows = {{{0.1, 0.1}, {0.4, 0.1}, {0.4, 0.4}, {0.1, 0.4}}},
                               .lamp = {0.8, 0.3},
                               .lampRadius = 0.2,
                               .sunPatches = {{{0.2, 0.8}, {0.5, 0.8}, {0.45, 0.95}}}};
}

ContentRelease release() {
    const auto file = [](const char* name, char digit, qint64 bytes) {
        return ContentFile{QString::fromLatin1(name), QString(64, QLatin1Char(digit)), bytes};
    };
    return ContentRelease{
        .schemaVersion = 1,
        .sequence = 7,
        .minClientBuild = 1,
        .modules = {ContentModule{QStringLiteral("cozy-room"),
                                  QStringLiteral("room.scene"),
                                  1,
                                  {file("scene.json", 'a', 900), file("base.png", 'b', 400000)}},
                    ContentModule{QStringLiteral("h3"),
                                  QStringLiteral("pet.actions"),
                                  1,
                                  {file("manifest.json", 'c', 3000)}}}};
}

void write(const QDir& root, const char* target, const QList<QByteArray>& seeds) {
    for (qsizetype i = 0; i < seeds.size(); ++i) {
        FileIO::writeAtomically(
            root.filePath(QStringLiteral("%1/seed-%2").arg(QLatin1String(target)).arg(i)),
            seeds[i]);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    const QDateTime observed(QDate(2026, 3, 1), QTime(8, 29), Qt::UTC);
    const WeatherSnapshot weather{.locationKey = WeatherLocation::cities()[0].key(),
                                  .condition = RoomWeather::storm,
                                  .intensity = 0.8,
                                  .observedAt = observed,
                                  .fetchedAt = observed.addSecs(30)};
    WeatherSnapshot unobserved = weather;
    unobserved.observedAt.reset();
    unobserved.isStale = true;

    const UserConfiguration rich = richConfiguration();
    write(root, "Configuration",
          {encodeConfiguration(UserConfiguration()), encodeConfiguration(rich)});
    const QByteArray bareArray = JsonWriter::compact(toJsonArray(rich.shortcuts));
    write(root, "ShortcutStore",
          {ShortcutStore::encode(ShortcutLists{rich.shortcuts, rich.groups}), bareArray});
    write(
        root, "ConfigurationPackage",
        {ConfigurationPackage(rich, observed).encoded(),
         ConfigurationPackage(PortableConfiguration::fromSnapshot(rich, true, true, true), observed)
             .encoded()});
    write(root, "WeatherSnapshot", {weather.encoded(), unobserved.encoded()});
    write(root, "RoomScene", {JsonWriter::pretty(scene().toJson())});
    write(root, "ContentManifest", {JsonWriter::compact(release().toJson())});
    write(root, "ContentState",
          {ContentStoreState{QStringLiteral("7-0123456789abcdef"),
                             QStringLiteral("6-fedcba9876543210"), 7}
               .encode()});
    write(root, "ContentEnvelope",
          {test::ContentSigner(fuzz::envelopeKeySeed()).signRelease(release())});
    return 0;
}
