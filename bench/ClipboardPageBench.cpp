#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "companion/ClipboardService.h"
#include "controlcentre/ClipboardEntryCard.h"
#include "controlcentre/ClipboardPage.h"
#include "support/FakePasteboard.h"

namespace tundle {
namespace {

// A new copy arrives while the page shows a full history of the longest texts: the page builds
// the new entry's card, drops the card of the entry that fell out, and lays the list out again.
// "rebuilt" counts the cards made per arrival; every other card is kept.
void BM_ClipboardPageNewEntryWithFullHistory(benchmark::State& state) {
    test::FakePasteboard pasteboard;
    ClipboardService service(pasteboard, false);
    service.setEnabled(true);
    const QString body = QStringLiteral("糯墩复制的文字 abc ").repeated(1500).left(15990);
    int copies = 0;
    const auto copy = [&] {
        pasteboard.setPlainText(body + QString::number(1000000 + copies++));
        service.poll();
    };
    for (int i = 0; i < ClipboardService::maximumItems; ++i) {
        copy();
    }
    ClipboardPage page(service);
    page.resize(720, 900);
    page.show();
    QCoreApplication::processEvents();

    long rebuilt = 0;
    long arrivals = 0;
    for (auto _ : state) {
        std::vector<const ClipboardEntryCard*> before;
        for (const ClipboardEntry& entry : service.items()) {
            before.push_back(page.cardFor(entry.id));
        }
        copy();
        QCoreApplication::sendPostedEvents();
        for (const ClipboardEntry& entry : service.items()) {
            const ClipboardEntryCard* card = page.cardFor(entry.id);
            rebuilt += std::find(before.begin(), before.end(), card) == before.end();
        }
        ++arrivals;
    }
    state.counters["rebuilt"] = double(rebuilt) / double(arrivals);
}
BENCHMARK(BM_ClipboardPageNewEntryWithFullHistory)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tundle
