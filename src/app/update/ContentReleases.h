#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <optional>

#include "content/ContentSnapshot.h"
#include "content/ContentUpdateStore.h"

namespace tundle {

// The content-release store as the update coordinator drives it; every answer comes back on
// the main thread.
class ContentReleases {
public:
    // What the store is created with.
    struct Setup {
        QString root;
        QString baseURL;
        QString publicKey;
        qint64 clientBuild = 0;
        ContentValidators validators;
        QString channel;
        ContentFetch fetch;
    };

    virtual ~ContentReleases() = default;
    virtual void restore(std::function<void(std::optional<ContentSnapshot>)> done) = 0;
    virtual void prepare(ContentPrepareDone done) = 0;
    virtual void activate(const ContentSnapshot& snapshot,
                          std::function<void(std::exception_ptr)> done) = 0;

    // The signed store on disk; throws what the store refuses its settings with.
    static std::unique_ptr<ContentReleases> open(Setup setup);
};

}  // namespace tundle
