#include <benchmark/benchmark.h>

#include "companion/ClipboardService.h"
#include "controlcentre/ClipboardSearch.h"

namespace tundle {
namespace {

// A full history of the longest texts the service keeps, with accents to compose and letters to
// fold, that differ only at their end so every search runs to the last character.
QList<ClipboardEntry> fullHistory() {
    const QString body = QStringLiteral("糯墩 Caf\u00E9 E\u0301 ABC ")
                             .repeated(ClipboardService::maximumTextLength / 14);
    QList<ClipboardEntry> entries;
    for (int i = 0; i < ClipboardService::maximumItems; ++i) {
        QString text = body + QString::number(10000 + i);
        text.truncate(ClipboardService::maximumTextLength);
        entries.append({QUuid::createUuid(), text, QDateTime()});
    }
    return entries;
}

// Typing into the search field: 50 entries of 16000 characters each, a query that matches none.
void BM_ClipboardFilterFullHistory(benchmark::State& state) {
    const QList<ClipboardEntry> entries = fullHistory();
    ClipboardSearch search;
    search.filter(entries, QStringLiteral("x"));
    const QString query = QStringLiteral("abc zzz");
    for (auto _ : state) {
        benchmark::DoNotOptimize(search.filter(entries, query));
    }
}
BENCHMARK(BM_ClipboardFilterFullHistory)->Unit(benchmark::kMicrosecond);

// The first search after the whole history arrived: every entry is folded once.
void BM_ClipboardFilterFreshHistory(benchmark::State& state) {
    const QList<ClipboardEntry> entries = fullHistory();
    const QString query = QStringLiteral("abc zzz");
    for (auto _ : state) {
        ClipboardSearch search;
        benchmark::DoNotOptimize(search.filter(entries, query));
    }
}
BENCHMARK(BM_ClipboardFilterFreshHistory)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tundle
