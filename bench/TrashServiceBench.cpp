#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include "companion/TrashService.h"
#include "platform/SystemFileManager.h"

namespace tundle {
namespace {

constexpr int fileCount = 32;
constexpr qsizetype fileBytes = 1024 * 1024;

QString trashFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash";
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

QList<QUrl> writeFiles(const QString& folder) {
    const QByteArray bytes(fileBytes, 'x');
    QList<QUrl> urls;
    for (int index = 0; index < fileCount; ++index) {
        const QString path = folder + QStringLiteral("/file-%1.bin").arg(index);
        writeFile(path, bytes);
        urls.append(QUrl::fromLocalFile(path));
    }
    return urls;
}

// One batch of files all called "same.txt", each in a folder of its own.
QList<QUrl> writeSameNamedFiles(const QString& folder, int batch) {
    QList<QUrl> urls;
    for (int index = 0; index < fileCount; ++index) {
        const QString path = folder + QStringLiteral("/%1-%2/same.txt").arg(batch).arg(index);
        writeFile(path, "same");
        urls.append(QUrl::fromLocalFile(path));
    }
    return urls;
}

void feed(benchmark::State& state, TrashService& service, const QList<QUrl>& urls) {
    if (service.trash(urls).successCount() != urls.size()) {
        state.SkipWithError("not every file reached the Trash");
    }
}

// Feeds 32 files of 1 MiB in one batch; the Trash is emptied between rounds.
void feedThirtyTwoFiles(benchmark::State& state) {
    const QString folder = QDir::homePath() + QStringLiteral("/feed");
    SystemFileManager files;
    TrashService service(files);
    for (auto _ : state) {
        state.PauseTiming();
        const QList<QUrl> urls = writeFiles(folder);
        state.ResumeTiming();
        feed(state, service, urls);
        state.PauseTiming();
        QDir(trashFolder()).removeRecursively();
        state.ResumeTiming();
    }
}
BENCHMARK(feedThirtyTwoFiles)->Unit(benchmark::kMillisecond);

// Feeds 32 files called "same.txt" into a Trash that already holds 10,000 items of that name.
// Each round feeds one batch of 32 files called "same.txt" into the Trash, which keeps them.
void feedSameNamedBatches(benchmark::State& state, const QString& folder) {
    SystemFileManager files;
    TrashService service(files);
    int batch = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QList<QUrl> urls = writeSameNamedFiles(folder, batch++);
        state.ResumeTiming();
        feed(state, service, urls);
    }
    QDir(trashFolder()).removeRecursively();
    QDir(folder).removeRecursively();
}

// 1024 files of one name in batches of 32, into a Trash that starts empty.
void feedOneNameInBatches(benchmark::State& state) {
    QDir(trashFolder()).removeRecursively();
    feedSameNamedBatches(state, QDir::homePath() + QStringLiteral("/batches"));
}
BENCHMARK(feedOneNameInBatches)->Iterations(32)->Unit(benchmark::kMillisecond);

// Into a Trash that already holds 10,000 items of that name.
void feedIntoATrashFullOfTheName(benchmark::State& state) {
    const QString trash = trashFolder();
    QDir(trash).removeRecursively();
    for (int index = 0; index < 10000; ++index) {
        const QString name =
            index == 0 ? QStringLiteral("same.txt") : QStringLiteral("same.%1.txt").arg(index);
        writeFile(trash + "/files/" + name, "same");
        writeFile(trash + "/info/" + name + ".trashinfo",
                  "[Trash Info]\nPath=/old/same.txt\nDeletionDate=2026-01-01T00:00:00\n");
    }
    feedSameNamedBatches(state, QDir::homePath() + QStringLiteral("/crowd"));
}
BENCHMARK(feedIntoATrashFullOfTheName)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tundle
