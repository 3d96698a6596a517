#pragma once

#include <QDateTime>
#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "companion/SystemFileManager.h"
#include "model/AppModel.h"
#include "model/AppWorld.h"
#include "model/Scheduler.h"
#include "model/SoundOutput.h"
#include "support/MemoryDefaults.h"

namespace tundle::test {

// One-shot slots on a clock that moves only when the test says so.
class FakeScheduler : public Scheduler {
public:
    class Slot : public OneShot {
    public:
        explicit Slot(FakeScheduler& owner) : owner_(owner) { owner_.slots_.push_back(this); }
        ~Slot() override { std::erase(owner_.slots_, this); }

        void start(double seconds, std::function<void()> work) override {
            due_ = owner_.elapsed_ + qint64(seconds * 1000);
            order_ = ++owner_.order_;
            work_ = std::move(work);
        }
        void cancel() override { work_ = nullptr; }

    private:
        friend class FakeScheduler;
        FakeScheduler& owner_;
        qint64 due_ = 0;
        quint64 order_ = 0;
        std::function<void()> work_;
    };

    std::unique_ptr<OneShot> makeOneShot() override { return std::make_unique<Slot>(*this); }

    // Moves the clock on, running every item that falls due on the way at its own time.
    void advance(double seconds) {
        const qint64 target = elapsed_ + qint64(seconds * 1000);
        for (;;) {
            Slot* next = nullptr;
            for (Slot* slot : slots_) {
                if (slot->work_ && slot->due_ <= target &&
                    (!next ||
                     std::pair(slot->due_, slot->order_) < std::pair(next->due_, next->order_))) {
                    next = slot;
                }
            }
            if (!next) {
                break;
            }
            elapsed_ = next->due_;
            const std::function<void()> work = std::move(next->work_);
            next->work_ = nullptr;
            work();
        }
        elapsed_ = target;
    }

    QDateTime now() const { return start_.addMSecs(elapsed_); }
    qint64 uptime() const { return elapsed_; }

private:
    QDateTime start_ = QDateTime(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC);
    qint64 elapsed_ = 0;
    quint64 order_ = 0;
    std::vector<Slot*> slots_;
};

// Writes down what would have been heard.
class FakeSounds : public SoundOutput {
public:
    class Clip : public ClipSound {
    public:
        Clip(QStringList& log, QString name) : log_(log), name_(std::move(name)) {}
        void play() override { log_ << QStringLiteral("play ") + name_; }
        void stop() override { log_ << QStringLiteral("stop ") + name_; }

    private:
        QStringList& log_;
        QString name_;
    };

    void playNamed(const QString& name) override { log << name; }
    std::unique_ptr<ClipSound> load(const QByteArray& bytes) override {
        if (bytes.isEmpty()) {
            return nullptr;
        }
        return std::make_unique<Clip>(log, QString::number(bytes.size()));
    }

    QStringList log;
};

class MemoryPasteboard : public Pasteboard {
public:
    qint64 changeCount() const override { return 0; }
    QStringList types() const override { return {}; }
    std::optional<QString> plainText() const override { return std::nullopt; }
    void clearContents() override {}
    bool setPlainText(const QString&) override { return true; }
};

// The generated packs, each loaded once for the whole test run.
inline std::shared_ptr<const PetAssets> generatedPack(PetAssetPack pack) {
    static std::map<PetAssetPack, std::shared_ptr<const PetAssets>> packs;
    auto& loaded = packs[pack];
    if (!loaded) {
        loaded = std::make_shared<const PetAssets>(
            QDir(TUNDLE_GENERATED_ASSETS).filePath(petAssetPackText.raw(pack)), pack);
    }
    return loaded;
}

// A pack whose folder holds nothing: it never reports loaded.
inline std::shared_ptr<const PetAssets> brokenPack(PetAssetPack pack) {
    static QTemporaryDir empty;
    return std::make_shared<const PetAssets>(empty.path(), pack);
}

// The world of one model under test; members outlive the model the test builds from it.
struct ModelTestWorld {
    MemoryDefaults defaults;
    MemoryPasteboard pasteboard;
    SystemFileManager files;
    FakeScheduler scheduler;
    FakeSounds sounds;
    std::optional<QString> qaMode;
    int randomPick = 0;

    AppWorld world(Defaults* preferences = nullptr) {
        return AppWorld{
            .preferences = preferences ? *preferences : defaults,
            .pasteboard = pasteboard,
            .fileManager = files,
            .scheduler = scheduler,
            .sounds = sounds,
            .clock = [this] { return scheduler.now(); },
            .uptime = [this] { return scheduler.uptime(); },
            .environment =
                [this](const char* name) {
                    return QByteArray(name) == "TUNDLE_QA_MODE" ? qaMode : std::nullopt;
                },
            .random = [this](int) { return randomPick; },
            .automaticallyTicks = false,
            .resourceFolder = QString(TUNDLE_GENERATED_ASSETS),
        };
    }

    // A model on the generated packs, or on `loader` when given.
    std::unique_ptr<AppModel> model(AppModel::AssetLoader loader = generatedPack) {
        return std::make_unique<AppModel>(world(), nullptr, std::move(loader));
    }

    // Moves the clock on and lets the reminder service look at it.
    void pass(AppModel& model, double seconds) {
        scheduler.advance(seconds);
        model.reminders().tick();
    }
};

}  // namespace tundle::test
