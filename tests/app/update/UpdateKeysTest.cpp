#include <gtest/gtest.h>

#include "update/ContentTransfer.h"
#include "update/UpdateKeys.h"

namespace tundle {
namespace {

TEST(UpdateKeysTest, BundleVersionGivesTheClientBuild) {
    const std::vector<std::pair<const char*, qint64>> cases = {
        {"42", 42},  {"+42", 42},
        {"-3", -3},  {"007", 7},
        {"1.2", 0},  {"", 0},
        {"+", 0},    {"-", 0},
        {" 4", 0},   {"4 ", 0},
        {"+-4", 0},  {"4a", 0},
        {"１２", 0}, {"99999999999999999999", 0},
    };
    for (const auto& [text, build] : cases) {
        EXPECT_EQ(UpdateKeys::clientBuild(QString::fromUtf8(text)), build) << text;
    }
}

TEST(UpdateKeysTest, FetchHandsTheTransferOnlyTheLastTwoPathPieces) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"https://h.invalid/deep/cdn/content/rooms-v1.json", "content/rooms-v1.json"},
        {"https://h.invalid/assets/ab12", "assets/ab12"},
        {"https://h.invalid//cdn//assets//ab12/", "assets/ab12"},
        {"https://h.invalid/one", "one"},
    };
    for (const auto& [url, path] : cases) {
        EXPECT_EQ(ContentTransfer::relativePath(QString::fromLatin1(url)),
                  QString::fromLatin1(path));
    }
}

}  // namespace
}  // namespace tundle
