#pragma once

#include <QDir>
#include <QFileInfo>
#include <memory>
#include <vector>

#include "support/FakeSessionEvents.h"
#include "support/ModelTestWorld.h"
#include "support/TemporaryHome.h"
#include "update/ContentReleases.h"
#include "update/UpdateCoordinator.h"

namespace tundle::test {

// A content store whose answers the test gives by hand; its record outlives the store.
struct ScriptedReleases {
    struct Record {
        std::optional<ContentReleases::Setup> setup;
        std::vector<std::function<void(std::optional<ContentSnapshot>)>> restores;
        std::vector<ContentPrepareDone> prepares;
        std::vector<std::function<void(std::exception_ptr)>> activations;
    };

    class Store : public ContentReleases {
    public:
        explicit Store(std::shared_ptr<Record> record) : record_(std::move(record)) {}
        void restore(std::function<void(std::optional<ContentSnapshot>)> done) override {
            record_->restores.push_back(std::move(done));
        }
        void prepare(ContentPrepareDone done) override {
            record_->prepares.push_back(std::move(done));
        }
        void activate(const ContentSnapshot&,
                      std::function<void(std::exception_ptr)> done) override {
            record_->activations.push_back(std::move(done));
        }

    private:
        std::shared_ptr<Record> record_;
    };

    std::shared_ptr<Record> record = std::make_shared<Record>();

    auto opener() {
        return [record = record](ContentReleases::Setup setup) {
            record->setup = std::move(setup);
            return std::make_unique<Store>(record);
        };
    }
};

// The generated built-in pack as the files of a "pet.actions" module.
inline std::vector<std::pair<QString, QByteArray>> generatedPackFiles(PetAssetPack pack) {
    std::vector<std::pair<QString, QByteArray>> files;
    const QDir folder(QDir(TUNDLE_GENERATED_ASSETS).filePath(petAssetPackText.raw(pack)));
    for (const QFileInfo& file : folder.entryInfoList(QDir::Files, QDir::Name)) {
        files.emplace_back(file.fileName(), readAll(file.filePath()));
    }
    return files;
}

inline UpdateCoordinator::Environment environmentFor(ModelTestWorld& world, BundleInfo bundle) {
    return UpdateCoordinator::Environment{
        .scheduler = world.scheduler,
        .bundle = std::move(bundle),
        .clock = [&world] { return world.scheduler.now(); },
        .random = [] { return 0.5; },
    };
}

}  // namespace tundle::test
