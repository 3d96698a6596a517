#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "support/IsolatedEnvironment.h"

int main(int argc, char** argv) {
    QTemporaryDir home;
    tundle::test::isolateEnvironment(home.path());
    // The pet canvas benchmarks need widgets.
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
