#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include "support/IsolatedEnvironment.h"

int main(int argc, char** argv) {
    QTemporaryDir home;
    tundle::test::isolateEnvironment(home.path());
    // A GUI application on the offscreen platform serves headless core tests and widget-free
    // platform tests alike.
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
