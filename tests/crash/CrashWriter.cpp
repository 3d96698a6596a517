// Saves without end until it is killed, so a test can kill it in the middle of a write:
//   tundle-crash-writer configuration <file>   changes and saves the configuration in <file>
//   tundle-crash-writer state <file>           replaces the content store's state file <file>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstring>

#include "config/ConfigurationStore.h"
#include "content/ContentFolder.h"
#include "content/ContentStoreState.h"
#include "support/MemoryDefaults.h"

using namespace tundle;

namespace {

[[noreturn]] void saveConfigurationForever(const QString& path) {
    MemoryDefaults defaults;
    ConfigurationStore store(defaults, path);
    if (!store.isWritable()) {
        std::exit(3);
    }
    // Enough shortcuts that a save takes long enough to be interrupted half-way.
    if (store.value().shortcuts.empty()) {
        store.update([](UserConfiguration& c) {
            for (int i = 0; i < 400; ++i) {
                c.shortcuts.push_back(
                    ShortcutItem{.name = QStringLiteral("文件 %1").arg(i),
                                 .target = QStringLiteral("/home/user/file-%1").arg(i)});
            }
        });
    }
    for (int step = 0;; ++step) {
        store.update([step](UserConfiguration& c) { c.preferences.waterMinutes = 1 + step % 240; });
    }
}

[[noreturn]] void replaceStateForever(const QString& path) {
    const QFileInfo file(path);
    const ContentFolder folder = ContentFolder::openCreating(file.absolutePath());
    for (qint64 sequence = 1;; ++sequence) {
        folder.replaceDurably(file.fileName(),
                              ContentStoreState{QStringLiteral("%1-0123456789abcdef").arg(sequence),
                                                std::nullopt, sequence}
                                  .encode());
    }
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[2]);
    if (std::strcmp(argv[1], "configuration") == 0) {
        saveConfigurationForever(path);
    }
    if (std::strcmp(argv[1], "state") == 0) {
        replaceStateForever(path);
    }
    return 2;
}
