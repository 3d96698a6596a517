#pragma once

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <map>

#include "model/AppModel.h"
#include "platform/QtPasteboard.h"
#include "platform/SystemFileManager.h"
#include "support/MemoryDefaults.h"

namespace tundle::test {

// One-shot slots on a clock that moves only when the test says so.
class FakeScheduler : public Scheduler {
    struct Slot : OneShot {
        explicit Slot(FakeScheduler& owner) : owner(owner) { owner.items.push_back(this); }
        ~Slot() override { std::erase(owner.items, this); }
        void start(double seconds, std::function<void()> run) override {
            due = {owner.elapsed + qint64(seconds * 1000), ++owner.started};
            work = std::move(run);
        }
        void cancel() override { work = nullptr; }

        FakeScheduler& owner;
        std::pair<qint64, int> due;
        std::function<void()> work;
    };

public:
    std::unique_ptr<OneShot> makeOneShot() override { return std::make_unique<Slot>(*this); }

    // Moves the clock on, running each item that falls due on the way at its own time.
    void advance(double seconds) {
        const qint64 target = elapsed + qint64(seconds * 1000);
        for (Slot* next = nullptr;; next = nullptr) {
            for (Slot* slot : items) {
                if (slot->work && slot->due.first <= target && (!next || slot->due < next->due)) {
                    next = slot;
                }
            }
            if (!next) {
                break;
            }
            elapsed = next->due.first;
            ++fired;
            std::exchange(next->work, nullptr)();
        }
        elapsed = target;
    }

    QDateTime now() const {
        return QDateTime(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC).addMSecs(elapsed);
    }

    // How many slots wait to fire.
    int pending() const {
        return int(std::count_if(items.begin(), items.end(),
                                 [](const Slot* slot) { return bool(slot->work); }));
    }
    // Work that has fired so far.
    int fired = 0;

    qint64 elapsed = 0;

private:
    int started = 0;
    std::vector<Slot*> items;
};

// Writes down what would have been heard: named sounds by name, clip sounds as "play"/"stop".
struct FakeSounds : SoundOutput {
    struct Clip : ClipSound {
        explicit Clip(QStringList& log) : log(log) {}
        void play() override { log << "play"; }
        void stop() override { log << "stop"; }
        QStringList& log;
    };
    void playNamed(const QString& name) override { log << name; }
    std::unique_ptr<ClipSound> load(const QByteArray&) override {
        return std::make_unique<Clip>(log);
    }
    QStringList log;
};

// Writes down what it was asked to open and answers as the test says.
struct FakeOpener : ShortcutOpener {
    bool openUrl(const QUrl& url) override {
        opened << url.toString();
        if (during) {
            std::exchange(during, nullptr)();
        }
        return opens;
    }
    std::optional<QString> launch(const QString& path) override {
        opened << path;
        return launchError;
    }
    QStringList opened;
    bool opens = true;
    std::optional<QString> launchError;
    // Runs once while an address is being opened, as a click might come in meanwhile.
    std::function<void()> during;
};

// The generated packs, each loaded once for the whole run.
inline std::shared_ptr<const PetAssets> generatedPack(PetAssetPack pack) {
    static std::map<PetAssetPack, std::shared_ptr<const PetAssets>> packs;
    auto& loaded = packs[pack];
    if (!loaded) {
        loaded = std::make_shared<const PetAssets>(
            QDir(TUNDLE_GENERATED_ASSETS).filePath(petAssetPackText.raw(pack)), pack);
    }
    return loaded;
}

// The world of the models a test builds; it must outlive them.
struct ModelTestWorld {
    MemoryDefaults defaults;
    QtPasteboard pasteboard;
    SystemFileManager files;
    FakeScheduler scheduler;
    FakeSounds sounds;
    QaSwitches qa;
    int randomPick = 0;
    double roll = 0.5;
    std::shared_ptr<FakeOpener> opener = std::make_shared<FakeOpener>();

    AppWorld world(Defaults* preferences = nullptr) {
        return AppWorld{
            .preferences = preferences ? *preferences : defaults,
            .pasteboard = pasteboard,
            .fileManager = files,
            .scheduler = scheduler,
            .sounds = sounds,
            .clock = [this] { return scheduler.now(); },
            .uptime = [this] { return scheduler.elapsed; },
            .random = [this](int) { return randomPick; },
            .roll = [this] { return roll; },
            .opener = opener,
            .automaticallyTicks = false,
            .qa = qa,
            .resourceFolder = QString(TUNDLE_GENERATED_ASSETS),
        };
    }

    // Without `broken`, every pack loads; `broken` comes from an empty folder and never does.
    std::unique_ptr<AppModel> model(std::optional<PetAssetPack> broken = std::nullopt) {
        return std::make_unique<AppModel>(world(), nullptr, [broken](PetAssetPack pack) {
            static QTemporaryDir empty;
            return pack == broken ? std::make_shared<const PetAssets>(empty.path(), pack)
                                  : generatedPack(pack);
        });
    }

    // Moves the clock on and lets the reminder service look at it.
    void pass(AppModel& model, double seconds) {
        scheduler.advance(seconds);
        model.reminders().tick();
    }
};

}  // namespace tundle::test
