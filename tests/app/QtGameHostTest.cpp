#include <chrono>
#include <cstdint>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "WindowTestSupport.h"

namespace fallox::test {
namespace {

using namespace std::chrono_literals;

// The game times every step and every row-clearing stage with this clock, so
// it must see fractions of a second: a clock in whole seconds would make pieces
// fall one row a second at every level.
TEST(QtGameHost, ClockCountsFractionsOfASecond)
{
    ShownWindow window;
    QtGameHost& host = window->Host();
    for (int attempt = 0; attempt < 3; ++attempt) {
        const double before = host.Clock();
        std::this_thread::sleep_for(30ms);
        const double after = host.Clock();
        if (after < before) {
            continue;  // midnight came in between
        }
        EXPECT_GE(after - before, 0.029);
        EXPECT_LT(after - before, 0.5);
        return;
    }
    FAIL() << "the clock went backwards three times";
}

TEST(QtGameHost, ClockIsTheTimeOfDayInSeconds)
{
    ShownWindow window;
    const double clock = window->Host().Clock();
    EXPECT_GE(clock, 0.0);
    EXPECT_LT(clock, 86400.0);
}

// A random number of 1.0 would draw piece type 8, which does not exist.
TEST(QtGameHost, RandomNumbersStayBelowOne)
{
    EXPECT_EQ(QtGameHost::UnitFromBits(0), 0.0);
    EXPECT_EQ(QtGameHost::UnitFromBits(0xFFFFFFFFu), 1.0 - 1.0 / 16777216.0);
    EXPECT_EQ(static_cast<int>(QtGameHost::UnitFromBits(0xFFFFFFFFu) * 7) + 1, 7) << "the largest draw is a type 7";
    EXPECT_EQ(static_cast<int>(QtGameHost::UnitFromBits(0x80000000u) * 2), 1);

    ShownWindow window;
    QtGameHost& host = window->Host();
    double lowest = 1.0;
    double highest = 0.0;
    for (int i = 0; i < 100000; ++i) {
        const double r = host.Random();
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_GE(lowest, 0.0);
    EXPECT_LT(lowest, 0.001);
    EXPECT_LT(highest, 1.0);
    EXPECT_GT(highest, 0.999);
}

// Sixteen pieces dealt by the host's own generator, as type numbers.
std::string Deal(QtGameHost& host)
{
    std::string pieces;
    for (int i = 0; i < 16; ++i) {
        pieces += static_cast<char>('0' + static_cast<int>(host.Random() * 7) + 1);
    }
    return pieces;
}

// Each start of the program, and each new game, deals other pieces: the
// generator is seeded from the clock when a host is made and when a game
// reseeds it. A few milliseconds apart, the seeds differ.
TEST(QtGameHost, StartsAtDifferentTimesDealDifferentPieces)
{
    std::string first;
    {
        ShownWindow window;
        first = Deal(window->Host());
    }
    std::this_thread::sleep_for(5ms);
    ShownWindow window;
    QtGameHost& host = window->Host();
    EXPECT_NE(Deal(host), first) << "two program starts";

    host.Randomize();
    const std::string before = Deal(host);
    std::this_thread::sleep_for(5ms);
    host.Randomize();
    EXPECT_NE(Deal(host), before) << "two new games";
}

}  // namespace
}  // namespace fallox::test
