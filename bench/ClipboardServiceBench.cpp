#include <benchmark/benchmark.h>

#include <QStringList>

#include "companion/ClipboardService.h"
#include "support/Graphemes.h"

namespace tundle {
namespace {

// A pasteboard on which every look finds a new text, like a user who copies all the time.
class ChangingPasteboard : public Pasteboard {
public:
    explicit ChangingPasteboard(QStringList texts) : texts_(std::move(texts)) {}

    qint64 changeCount() const override { return count_; }
    QStringList types() const override { return {QStringLiteral("text/plain")}; }
    std::optional<QString> plainText() const override { return texts_[count_ % texts_.size()]; }
    void clearContents() override { ++count_; }
    bool setPlainText(const QString&) override { return true; }

    void copyNext() { ++count_; }

private:
    QStringList texts_;
    qint64 count_ = 0;
};

// Texts of exactly the longest accepted length that differ only at their end, the costliest to
// take in: more code units than characters, so the characters are counted, a decomposed accent
// to compose, and comparisons that run to the last character.
QStringList fullLengthTexts(int count) {
    // Eight characters in ten code units.
    const QString body = QStringLiteral("糯墩🐱e\u0301 abc").repeated(1999);
    QStringList texts;
    for (int i = 0; i < count; ++i) {
        texts.append(body + QString::number(10000000 + i));
    }
    return texts;
}

// One poll that finds a new full-length text while the history is full: the text is counted,
// compared with all 50 entries, put in front and the oldest entry pushed out.
void BM_ClipboardPollWithFullHistory(benchmark::State& state) {
    ChangingPasteboard pasteboard(fullLengthTexts(ClipboardService::maximumItems + 7));
    ClipboardService service(pasteboard, false);
    service.setEnabled(true);
    for (int i = 0; i < ClipboardService::maximumItems; ++i) {
        pasteboard.copyNext();
        service.poll();
    }
    if (service.items().size() != ClipboardService::maximumItems ||
        graphemeCount(service.items().front().text) != ClipboardService::maximumTextLength) {
        state.SkipWithError("history not full of full-length texts");
        return;
    }
    for (auto _ : state) {
        pasteboard.copyNext();
        service.poll();
        benchmark::DoNotOptimize(service.items().constData());
    }
}
BENCHMARK(BM_ClipboardPollWithFullHistory)->Unit(benchmark::kMicrosecond);

// The common case: nothing was copied since the last look.
void BM_ClipboardPollWithoutChange(benchmark::State& state) {
    ChangingPasteboard pasteboard(fullLengthTexts(ClipboardService::maximumItems));
    ClipboardService service(pasteboard, false);
    service.setEnabled(true);
    for (int i = 0; i < ClipboardService::maximumItems; ++i) {
        pasteboard.copyNext();
        service.poll();
    }
    for (auto _ : state) {
        service.poll();
        benchmark::DoNotOptimize(service.items().constData());
    }
}
BENCHMARK(BM_ClipboardPollWithoutChange);

}  // namespace
}  // namespace tundle
