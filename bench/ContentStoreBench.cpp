#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "content/ContentEnvelope.h"
#include "content/ContentStoreCore.h"
#include "content/Sha256.h"
#include "support/ContentSigning.h"

namespace tundle {
namespace {

constexpr qint64 fileBytes = 33554432;
constexpr int fileCount = 6;

// A restorable release of the largest allowed size: six files of 32 MiB in one module.
struct LargestRelease {
    QTemporaryDir root;
    test::ContentSigner signer;
    QString folder;

    LargestRelease() {
        ContentRelease release{1, 1, 1, {ContentModule{"room", "room.scene", 1, {}}}};
        QRandomGenerator random(2024);
        QByteArray bytes(fileBytes, Qt::Uninitialized);
        std::vector<std::pair<QString, QByteArray>> files;
        for (int i = 0; i < fileCount; ++i) {
            random.fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
            const QString name = QStringLiteral("part%1.bin").arg(i);
            release.modules[0].files.push_back(ContentFile{name, Sha256::text(bytes), fileBytes});
            files.emplace_back(name, bytes);
        }
        const QByteArray envelope = signer.signRelease(release);
        const QString name = ContentEnvelope::folderName(1, envelope);
        folder = root.filePath(QStringLiteral("releases/") + name);
        QDir().mkpath(folder + QStringLiteral("/room"));
        write(folder + QStringLiteral("/release.json"), envelope);
        for (const auto& [file, content] : files) {
            write(folder + QStringLiteral("/room/") + file, content);
        }
        write(root.filePath(QStringLiteral("state.json")),
              QStringLiteral(R"({"current":"%1","highestSequence":1})").arg(name).toUtf8());
    }

    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            throw std::runtime_error("cannot write benchmark release");
        }
    }
};

// Restoring re-reads and re-hashes every file, so this is the cost of verifying a release.
void BM_VerifyLargestRelease(benchmark::State& state) {
    static LargestRelease release;
    ContentStoreCore core(ContentStoreCore::Settings{
        .root = release.root.path(),
        .base = QUrl(QStringLiteral("https://content.test/")),
        .channel = QStringLiteral("stable"),
        .publicKey = Ed25519PublicKey::fromRaw(release.signer.rawPublicKey()),
        .clientBuild = 1,
        .validators = {{QStringLiteral("room.scene"), [](const ContentModule&, const QString&) {}}},
        .fetch = {},
    });
    for (auto _ : state) {
        if (!core.restore()) {
            state.SkipWithError("the release did not verify");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * fileBytes * fileCount);
    state.counters["files"] = fileCount;
}
BENCHMARK(BM_VerifyLargestRelease)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace
}  // namespace tundle
