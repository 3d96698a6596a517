#include <gtest/gtest.h>

#include <QGuiApplication>
#ifdef TUNDLE_TEST_WIDGETS
#include <QApplication>
#endif
#include <QTemporaryDir>

#include "support/IsolatedEnvironment.h"

int main(int argc, char** argv) {
    QTemporaryDir home;
    tundle::test::isolateEnvironment(home.path());
    // On the offscreen platform: a GUI application serves headless core tests and widget-free
    // platform tests alike; the application's own tests need widgets.
#ifdef TUNDLE_TEST_WIDGETS
    QApplication app(argc, argv);
#else
    QGuiApplication app(argc, argv);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
