#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

#include "toolkit/VisibilityGate.h"

namespace tundle {

TEST(VisibilityGateTest, TimersRunOnlyWhileTheViewCanBeSeen) {
    QStackedWidget window;
    auto* view = new QWidget;
    auto* other = new QWidget;
    window.addWidget(view);
    window.addWidget(other);
    VisibilityGate gate(*view);
    QTimer timer;
    timer.setInterval(1000);
    bool wanted = true;
    gate.drive(timer, [&] { return wanted; });
    EXPECT_FALSE(gate.isOpen());
    EXPECT_FALSE(timer.isActive()) << "never shown";

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    EXPECT_TRUE(gate.isOpen());
    EXPECT_TRUE(timer.isActive());

    wanted = false;
    gate.refresh();
    EXPECT_FALSE(timer.isActive()) << "the view does not want it";
    wanted = true;
    gate.refresh();
    EXPECT_TRUE(timer.isActive());

    window.setCurrentWidget(other);
    EXPECT_FALSE(timer.isActive()) << "another page";
    window.setCurrentWidget(view);
    QCoreApplication::processEvents();
    EXPECT_TRUE(timer.isActive());

    window.showMinimized();
    QCoreApplication::processEvents();
    EXPECT_FALSE(timer.isActive()) << "minimised";
    window.showNormal();
    QCoreApplication::processEvents();
    EXPECT_TRUE(timer.isActive());

    window.close();
    EXPECT_FALSE(timer.isActive()) << "closed";
    EXPECT_FALSE(gate.isOpen());
}

}  // namespace tundle
