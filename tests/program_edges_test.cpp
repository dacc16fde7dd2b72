#include <gtest/gtest.h>

#include <csignal>

#include "end_signals.h"

namespace {

void Caught(int) {}

}  // namespace

// nohup ignores SIGHUP before the game starts: the game keeps that, and
// takes the other end signals for itself.
TEST(EndSignals, AnInheritedIgnoreIsKept)
{
    std::signal(SIGHUP, SIG_IGN);
    std::signal(SIGTERM, SIG_DFL);
    CatchEndSignals(Caught);
    struct sigaction hangUp = {};
    struct sigaction terminate = {};
    sigaction(SIGHUP, nullptr, &hangUp);
    sigaction(SIGTERM, nullptr, &terminate);
    EXPECT_EQ(hangUp.sa_handler, SIG_IGN);
    EXPECT_EQ(terminate.sa_handler, &Caught);
    std::signal(SIGHUP, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
}
