#include "update/ContentReleases.h"

namespace tundle {

namespace {

class StoredReleases : public ContentReleases {
public:
    explicit StoredReleases(Setup setup)
        : store_(setup.root, setup.baseURL, setup.publicKey, setup.clientBuild,
                 std::move(setup.validators), setup.channel, std::move(setup.fetch)) {}

    void restore(std::function<void(std::optional<ContentSnapshot>)> done) override {
        store_.restore(std::move(done));
    }
    void prepare(ContentPrepareDone done) override { store_.prepare(std::move(done)); }
    void activate(const ContentSnapshot& snapshot,
                  std::function<void(std::exception_ptr)> done) override {
        store_.activate(snapshot, std::move(done));
    }

private:
    ContentUpdateStore store_;
};

}  // namespace

std::unique_ptr<ContentReleases> ContentReleases::open(Setup setup) {
    return std::make_unique<StoredReleases>(std::move(setup));
}

}  // namespace tundle
