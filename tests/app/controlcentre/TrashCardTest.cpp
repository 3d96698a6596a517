#include "controlcentre/TrashCard.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>

#include "WidgetLookup.h"
#include "support/ModelTestWorld.h"
#include "support/TemporaryHome.h"

namespace tundle {
namespace {

using test::buttonNamed;
using test::showing;

class TrashCardTest : public ::testing::Test {
protected:
    QList<QUrl> makeFiles(int count) {
        QList<QUrl> urls;
        for (int index = 0; index < count; ++index) {
            const QString path = folder.filePath(QStringLiteral("snack-%1.txt").arg(index));
            QFile file(path);
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("crumbs");
            urls << QUrl::fromLocalFile(path);
        }
        return urls;
    }

    // Drags `urls` over the card and lets go; answers whether the card took the drop.
    bool drop(TrashCard& card, const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        const QPointF inside(10, 10);
        QDragEnterEvent enter(inside.toPoint(), Qt::CopyAction | Qt::MoveAction, &data,
                              Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&card, &enter);
        QDropEvent dropped(inside, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                           Qt::NoModifier);
        QCoreApplication::sendEvent(&card, &dropped);
        EXPECT_FALSE(card.targeted());
        return dropped.isAccepted();
    }

    int remaining() const { return int(QDir(folder.path()).entryList(QDir::Files).size()); }

    test::TemporaryDataHome home;
    QTemporaryDir folder;
    test::ModelTestWorld world;
    std::unique_ptr<AppModel> model = world.model();
};

TEST_F(TrashCardTest, DropsOfUpToThirtyTwoItemsAreFed) {
    TrashCard card(*model, model->trash());
    const QList<QUrl> files = makeFiles(33);
    EXPECT_FALSE(drop(card, files)) << "33 items are refused";
    EXPECT_EQ(remaining(), 33);
    EXPECT_EQ(model->filesEaten(), 0);

    EXPECT_TRUE(drop(card, files.mid(0, 32)));
    EXPECT_EQ(remaining(), 1);
    EXPECT_EQ(model->filesEaten(), 32);
}

TEST_F(TrashCardTest, MixedDropsFeedOnlyTheFiles) {
    TrashCard card(*model, model->trash());
    QList<QUrl> mixed = makeFiles(1);
    mixed.prepend(QUrl(QStringLiteral("https://example.com/menu.txt")));
    EXPECT_TRUE(drop(card, mixed));
    EXPECT_EQ(remaining(), 0);
    EXPECT_EQ(model->filesEaten(), 1);
}

TEST_F(TrashCardTest, TitleSummaryAndUndoFollowTheFeeding) {
    TrashCard card(*model, model->trash());
    card.show();
    const auto title = [&] {
        const QStringList texts = test::shownTexts(card);
        for (const QString title : {"文件小食堂", "松手，糯墩开饭啦。"}) {
            if (texts.contains(title)) {
                return title;
            }
        }
        return QString();
    };
    const auto summaryShown = [&] {
        return test::shownTexts(card).contains(model->lastTrashSummary());
    };
    EXPECT_EQ(title(), QStringLiteral("文件小食堂"));
    EXPECT_FALSE(summaryShown()) << "nothing fed yet";
    QAbstractButton* undo = buttonNamed(card, QStringLiteral("撤销最近投喂"));
    ASSERT_TRUE(undo);
    EXPECT_FALSE(showing(undo));

    QMimeData data;
    data.setUrls(makeFiles(1));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&card, &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(title(), QStringLiteral("松手，糯墩开饭啦。"));
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(&card, &leave);
    EXPECT_EQ(title(), QStringLiteral("文件小食堂"));

    QMimeData web;
    web.setUrls({QUrl(QStringLiteral("https://example.com"))});
    QDragEnterEvent webEnter(QPoint(5, 5), Qt::CopyAction, &web, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&card, &webEnter);
    EXPECT_FALSE(card.targeted()) << "only file drags light the card";

    EXPECT_TRUE(drop(card, data.urls()));
    EXPECT_TRUE(summaryShown());
    EXPECT_TRUE(showing(undo));
    undo->click();
    EXPECT_EQ(remaining(), 1) << "the file is back";
    EXPECT_FALSE(showing(undo));
}

}  // namespace
}  // namespace tundle
