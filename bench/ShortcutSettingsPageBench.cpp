#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>

#include "editors/ShortcutFilter.h"
#include "editors/ShortcutSettingsPage.h"
#include "support/ModelTestWorld.h"
#include "support/ScriptedFileChooser.h"

namespace tundle {
namespace {

constexpr int shortcutCount = 2000;

// The most shortcuts a configuration admits: websites, folders and files in a few groups,
// six of them pinned.
struct FullList {
    test::ModelTestWorld world;
    std::unique_ptr<AppModel> model = world.model();
    QTemporaryDir folder;
    test::ScriptedFileChooser chooser;

    FullList() {
        ShortcutService& service = model->shortcuts();
        std::vector<QUuid> groups;
        for (int i = 0; i < 8; ++i) {
            const ShortcutGroup group{.name = QString("分组%1").arg(i)};
            service.saveGroup(group);
            groups.push_back(group.id);
        }
        const QString file = folder.filePath("报告.pdf");
        QFile(file).open(QIODevice::WriteOnly);
        for (int i = 0; i < shortcutCount; ++i) {
            ShortcutItem item{.name = QString("常用站点 %1").arg(i), .pinned = i % 300 == 0};
            if (i % 4 == 0) {
                item.kind = ShortcutKind::folder;
                item.target = folder.path();
            } else if (i % 4 == 1) {
                item.kind = ShortcutKind::file;
                item.target = file;
            } else {
                item.kind = ShortcutKind::website;
                item.target = QString("https://example%1.org/docs").arg(i);
            }
            if (i % 3 == 0) {
                item.groupID = groups[std::size_t(i) % groups.size()];
            }
            service.save(item);
        }
    }
};

FullList& fullList() {
    static FullList list;
    return list;
}

// One pass of the page's filter over the whole list, with a search that matches a tenth.
void BM_FilterTwoThousandShortcuts(benchmark::State& state) {
    const auto& items = fullList().model->shortcuts().items();
    const ShortcutFilter filter{.group = ShortcutFilter::none, .search = QStringLiteral("站点 1")};
    for (auto _ : state) {
        benchmark::DoNotOptimize(filter.matching(items));
    }
}
BENCHMARK(BM_FilterTwoThousandShortcuts)->Unit(benchmark::kMicrosecond);

// A keystroke in the search field of a shown page, laid out and drawn, alternating between a
// narrow search and the full list.
void BM_SearchKeystroke(benchmark::State& state) {
    FullList& list = fullList();
    ShortcutSettingsPage page(*list.model, list.model->shortcuts(), list.chooser);
    page.resize(860, 700);
    page.show();
    QApplication::processEvents();
    bool narrow = false;
    for (auto _ : state) {
        narrow = !narrow;
        page.searchField()->setText(narrow ? QStringLiteral("站点 19") : QString());
        QApplication::processEvents();
        page.repaint();
    }
}
BENCHMARK(BM_SearchKeystroke)->Unit(benchmark::kMillisecond);

// The page made, shown and drawn for the first time over the full list.
void BM_FirstBuildOfThePage(benchmark::State& state) {
    FullList& list = fullList();
    for (auto _ : state) {
        ShortcutSettingsPage page(*list.model, list.model->shortcuts(), list.chooser);
        page.resize(860, 700);
        page.show();
        QApplication::processEvents();
        page.repaint();
    }
}
BENCHMARK(BM_FirstBuildOfThePage)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace tundle
