#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "toolkit/Sheet.h"
#include "toolkit/SubmitField.h"

namespace tundle {
namespace {

struct SheetWorld {
    SheetWorld() {
        window.resize(600, 400);
        window.show();
        sheet = new Sheet(&window);
        auto* layout = new QVBoxLayout(sheet);
        field = new QLineEdit(sheet);
        time = new QTimeEdit(sheet);
        other = new QPushButton(QStringLiteral("其他"), sheet);
        confirm = new QPushButton(QStringLiteral("好"), sheet);
        layout->addWidget(field);
        layout->addWidget(time);
        layout->addWidget(other);
        layout->addWidget(confirm);
    }

    void open() {
        sheet->open();
        QApplication::setActiveWindow(sheet);
        EXPECT_TRUE(QTest::qWaitForWindowActive(sheet));
    }

    QWidget window;
    Sheet* sheet;
    QLineEdit* field;
    QTimeEdit* time;
    QPushButton* other;
    QPushButton* confirm;
};

TEST(Sheet, ReturnClicksOnlyTheNamedDefaultButton) {
    SheetWorld world;
    QSignalSpy others(world.other, &QPushButton::clicked);
    QSignalSpy confirms(world.confirm, &QPushButton::clicked);
    world.open();
    EXPECT_EQ(world.sheet->windowModality(), Qt::WindowModal);
    EXPECT_FALSE(world.other->autoDefault());

    // A button that had the focus does not become the default.
    world.other->setFocus();
    world.field->setFocus();
    QTest::keyClick(world.field, Qt::Key_Return);
    world.time->setFocus();
    QTest::keyClick(world.time, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(others.count(), 0);
    EXPECT_EQ(confirms.count(), 0);

    world.sheet->setDefaultButton(world.confirm);
    world.field->setFocus();
    QTest::keyClick(world.field, Qt::Key_Return);
    EXPECT_EQ(confirms.count(), 1);
    world.confirm->setEnabled(false);
    QTest::keyClick(world.field, Qt::Key_Return);
    EXPECT_EQ(confirms.count(), 1);
    EXPECT_EQ(others.count(), 0);
}

TEST(Sheet, ButtonsAddedWhileOpenNeverDefault) {
    SheetWorld world;
    world.open();
    auto* late = new QPushButton(QStringLiteral("后来"), world.sheet);
    world.sheet->layout()->addWidget(late);
    QSignalSpy clicks(late, &QPushButton::clicked);
    QApplication::processEvents();
    EXPECT_FALSE(late->autoDefault());
    late->setFocus();
    world.field->setFocus();
    QTest::keyClick(world.field, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 0);
}

TEST(Sheet, EscapeAndCloseAskForTheCancelPathAndDismissCloses) {
    SheetWorld world;
    world.open();
    QSignalSpy cancels(world.sheet, &Sheet::cancelRequested);
    QTest::keyClick(world.field, Qt::Key_Escape);
    world.sheet->close();
    EXPECT_EQ(cancels.count(), 2);
    EXPECT_TRUE(world.sheet->isVisible());

    world.sheet->dismiss();
    EXPECT_FALSE(world.sheet->isVisible());
    EXPECT_EQ(cancels.count(), 2);
}

TEST(Sheet, SubmitFieldKeepsReturnForItsOwnAction) {
    SheetWorld world;
    auto* search = new SubmitField(world.sheet);
    world.sheet->layout()->addWidget(search);
    world.sheet->setDefaultButton(world.confirm);
    QSignalSpy confirms(world.confirm, &QPushButton::clicked);
    QSignalSpy submits(search, &SubmitField::submitted);
    world.open();
    search->setFocus();
    search->insert(QStringLiteral("上海"));
    QTest::keyClick(search, Qt::Key_Return);
    ASSERT_EQ(submits.count(), 1);
    EXPECT_EQ(submits.at(0).at(0).toString(), QStringLiteral("上海"));
    EXPECT_EQ(confirms.count(), 0);
}

TEST(Sheet, ContentWidthIsFixedAndHeightFollowsTheContent) {
    SheetWorld world;
    world.sheet->setContentWidth(540);
    world.open();
    EXPECT_EQ(world.sheet->width(), 540);
    const int before = world.sheet->height();
    auto* extra = new QLineEdit(world.sheet);
    extra->setMinimumHeight(120);
    world.sheet->layout()->addWidget(extra);
    extra->show();
    QApplication::processEvents();
    EXPECT_GE(world.sheet->height(), before + 120);
    EXPECT_EQ(world.sheet->width(), 540);
}

}  // namespace
}  // namespace tundle
