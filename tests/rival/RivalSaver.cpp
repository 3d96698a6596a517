// One of two running copies of the program saving the same configuration at once:
//   tundle-rival-saver <file> <attempts>
// Each attempt adds one to the pet's x position and saves. A refused save is what a user who
// restarts as told would see: the copy loads the configuration again and goes on. Prints the
// number of saves that were reported done.
#include <QCoreApplication>
#include <QTextStream>
#include <memory>

#include "config/ConfigurationStore.h"
#include "support/MemoryDefaults.h"

using namespace tundle;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int attempts = QByteArray(argv[2]).toInt();
    MemoryDefaults defaults;
    auto store = std::make_unique<ConfigurationStore>(defaults, path);
    int acknowledged = 0;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        try {
            store->update(
                [](UserConfiguration& c) { c.device.petX = c.device.petX.value_or(0) + 1; });
            ++acknowledged;
        } catch (const std::exception&) {
            store = std::make_unique<ConfigurationStore>(defaults, path);
        }
    }
    QTextStream(stdout) << acknowledged << Qt::endl;
    return store->isWritable() ? 0 : 3;
}
