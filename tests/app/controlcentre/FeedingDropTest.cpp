#include "controlcentre/FeedingDrop.h"

#include <gtest/gtest.h>

#include <QMimeData>

namespace tundle {
namespace {

QList<QUrl> localFiles(int count) {
    QList<QUrl> urls;
    for (int index = 0; index < count; ++index) {
        urls << QUrl::fromLocalFile(QStringLiteral("/tmp/food-%1.txt").arg(index));
    }
    return urls;
}

TEST(FeedingDropTest, TakesUpToThirtyTwoItemsAndKeepsOnlyTheFiles) {
    const std::optional<QList<QUrl>> full = FeedingDrop::files(localFiles(32));
    ASSERT_TRUE(full);
    EXPECT_EQ(*full, localFiles(32));
    EXPECT_FALSE(FeedingDrop::files(localFiles(33))) << "a drop that is too big is refused";
    EXPECT_FALSE(FeedingDrop::files({})) << "an empty drop is refused";

    const QUrl web(QStringLiteral("https://example.com/a.txt"));
    QList<QUrl> mixed = localFiles(1);
    mixed.prepend(web);
    EXPECT_EQ(FeedingDrop::files(mixed), localFiles(1));

    QList<QUrl> overfull = localFiles(32);
    overfull << web;
    EXPECT_FALSE(FeedingDrop::files(overfull)) << "every item counts toward the limit";

    const std::optional<QList<QUrl>> none = FeedingDrop::files({web});
    ASSERT_TRUE(none) << "a drop without files is taken, and feeds nothing";
    EXPECT_TRUE(none->isEmpty());
}

TEST(FeedingDropTest, OnlyDragsWithFilesLightTheCard) {
    QMimeData data;
    EXPECT_TRUE(FeedingDrop::items(&data).isEmpty());
    EXPECT_TRUE(FeedingDrop::items(nullptr).isEmpty());
    data.setUrls({QUrl(QStringLiteral("https://example.com")), QUrl::fromLocalFile("/tmp/a")});
    EXPECT_EQ(FeedingDrop::items(&data).size(), 2);
    EXPECT_TRUE(FeedingDrop::targets(FeedingDrop::items(&data)));
    EXPECT_FALSE(FeedingDrop::targets({QUrl(QStringLiteral("https://example.com"))}));
}

}  // namespace
}  // namespace tundle
