#include "support/IsoDate.h"

#include <gtest/gtest.h>

#include <QTimeZone>

namespace tundle {
namespace {

TEST(IsoDate, WritesUtcWithZAndReadsZOrOffsets) {
    const QDateTime noon(QDate(2026, 3, 1), QTime(8, 30), Qt::UTC);
    EXPECT_EQ(IsoDate::text(noon), QStringLiteral("2026-03-01T08:30:00Z"));
    EXPECT_EQ(IsoDate::text(noon.toTimeZone(QTimeZone("Asia/Shanghai"))),
              QStringLiteral("2026-03-01T08:30:00Z"));
    EXPECT_EQ(IsoDate::parse(QStringLiteral("2026-03-01T08:30:00Z")), noon);
    EXPECT_EQ(IsoDate::parse(QStringLiteral("2026-03-01T16:30:00+08:00")), noon);
    EXPECT_EQ(IsoDate::parse(QStringLiteral("2026-03-01T03:30:00-05:00")), noon);
    EXPECT_EQ(IsoDate::parse(QStringLiteral("1970-01-01T00:00:00Z"))->toSecsSinceEpoch(), 0);
}

TEST(IsoDate, RefusesEverythingElse) {
    for (const char* text :
         {"2026-03-01T08:30:00", "2026-03-01 08:30:00Z", "2026-03-01T08:30:00.5Z",
          "2026-02-30T08:30:00Z", "2026-03-01T24:00:00Z", "2026-03-01T08:30:00z",
          "2026-03-01T08:30:00+0800", "2026-03-01T08:30:00+24:00", "２026-03-01T08:30:00Z",
          "2026-03-01T08:30:00Z\n", ""}) {
        EXPECT_FALSE(IsoDate::parse(QString::fromUtf8(text))) << text;
    }
}

}  // namespace
}  // namespace tundle
