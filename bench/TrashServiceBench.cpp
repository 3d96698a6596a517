#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QUrl>

#include "companion/SystemFileManager.h"
#include "companion/TrashService.h"

namespace tundle {
namespace {

constexpr int fileCount = 32;
constexpr qsizetype fileBytes = 1024 * 1024;

QList<QUrl> writeFiles(const QString& folder) {
    const QByteArray bytes(fileBytes, 'x');
    QDir().mkpath(folder);
    QList<QUrl> urls;
    for (int index = 0; index < fileCount; ++index) {
        const QString path = folder + QStringLiteral("/file-%1.bin").arg(index);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        urls.append(QUrl::fromLocalFile(path));
    }
    return urls;
}

// Feeds 32 files of 1 MiB in one batch; the Trash is emptied between rounds.
void feedThirtyTwoFiles(benchmark::State& state) {
    const QString folder = QDir::homePath() + QStringLiteral("/feed");
    const QString trash =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash";
    SystemFileManager files;
    TrashService service(files);
    for (auto _ : state) {
        state.PauseTiming();
        const QList<QUrl> urls = writeFiles(folder);
        state.ResumeTiming();
        const TrashResult result = service.trash(urls);
        state.PauseTiming();
        if (result.successCount() != fileCount) {
            state.SkipWithError("not every file reached the Trash");
        }
        QDir(trash).removeRecursively();
        state.ResumeTiming();
    }
}
BENCHMARK(feedThirtyTwoFiles)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tundle
