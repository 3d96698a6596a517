#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QTemporaryDir>

#include "config/ConfigurationPackage.h"
#include "editors/ConfigurationSection.h"
#include "support/FileIO.h"
#include "support/ModelTestWorld.h"
#include "support/ScriptedFileChooser.h"
#include "support/TemporaryHome.h"

namespace tundle {
namespace {

constexpr int shortcutCount = 2000;

// The most shortcuts a configuration holds, every one with a local path, spread over groups.
UserConfiguration fullShortcutList(int targetLength) {
    UserConfiguration configuration;
    for (int i = 0; i < 100; ++i) {
        configuration.groups.push_back(ShortcutGroup{.name = QStringLiteral("分组 %1").arg(i)});
    }
    const QString padding(targetLength, u'x');
    for (int i = 0; i < shortcutCount; ++i) {
        configuration.shortcuts.push_back(ShortcutItem{
            .kind = i % 4 == 3 ? ShortcutKind::website : ShortcutKind::file,
            .name = QStringLiteral("快捷方式 %1").arg(i),
            .target = i % 4 == 3
                          ? QStringLiteral("https://example.org/%1").arg(i)
                          : QStringLiteral("/home/nuodun/文档/项目 %1/%2").arg(i).arg(padding),
            .groupID = configuration.groups[std::size_t(i) % configuration.groups.size()].id,
        });
    }
    return configuration;
}

// From choosing a backup of 2000 shortcuts to the preview sheet shown and drawn: the read,
// the decode and checks, the dry run of the merge and the sheet with one block per shortcut.
void BM_ConfigurationPreviewOf2000Shortcuts(benchmark::State& state) {
    test::ModelTestWorld world;
    auto model = world.model();
    test::ScriptedFileChooser chooser;
    QWidget window;
    window.resize(720, 600);
    auto* section = new ConfigurationSection(*model, chooser, &window);
    window.show();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("backup.json"));
    test::writeAll(path, ConfigurationPackage(fullShortcutList(40)).encoded());
    for (auto _ : state) {
        section->importButton()->click();
        chooser.choose(path);
        ConfigurationPreview* preview = section->preview();
        if (!preview) {
            state.SkipWithError("the preview did not open");
            return;
        }
        benchmark::DoNotOptimize(preview->grab());
        state.PauseTiming();
        preview->cancelButton()->click();
        delete preview;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ConfigurationPreviewOf2000Shortcuts)->Unit(benchmark::kMillisecond);

// Confirming the export of a backup just under the 8 MB limit: the package is checked and
// encoded, then written atomically.
void BM_ConfigurationExport8MB(benchmark::State& state) {
    const ConfigurationPackage package(fullShortcutList(5200));
    const qint64 size = package.encoded().size();
    if (size < 7 * 1024 * 1024 || size > ConfigurationPackage::maximumBytes) {
        state.SkipWithError(
            ("the package is not just under 8 MB: " + std::to_string(size)).c_str());
        return;
    }
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("糯墩个人备份.json"));
    for (auto _ : state) {
        FileIO::writeAtomically(path, package.encoded());
    }
    state.counters["bytes"] = double(size);
}
BENCHMARK(BM_ConfigurationExport8MB)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tundle
