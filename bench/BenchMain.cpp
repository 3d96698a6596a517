#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include "support/IsolatedEnvironment.h"

int main(int argc, char** argv) {
    QTemporaryDir home;
    tundle::test::isolateEnvironment(home.path());
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
