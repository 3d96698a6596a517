#include <gtest/gtest.h>

#include <csignal>

#include "platform/TerminationSignals.h"
#include "support/RunUntil.h"

namespace tundle {
namespace {

void previousHandler(int) {}

TEST(TerminationSignalsTest, EachSignalArrivesOnTheMainThreadAndHandlersComeBack) {
    struct sigaction before = {};
    before.sa_handler = previousHandler;
    struct sigaction saved = {};
    sigaction(SIGHUP, &before, &saved);
    {
        int calls = 0;
        TerminationSignals termination([&calls] { ++calls; });
        for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
            const int expected = calls + 1;
            std::raise(signal);
            EXPECT_TRUE(test::runUntil([&] { return calls == expected; })) << signal;
        }
    }
    struct sigaction after = {};
    sigaction(SIGHUP, &saved, &after);
    EXPECT_EQ(after.sa_handler, previousHandler);
}

}  // namespace
}  // namespace tundle
