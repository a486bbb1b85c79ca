#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "engine/Game.h"
#include "support/FakeHost.h"

namespace brixel::test {

// A game against the scripted host, starting at 10:00:00 virtual time.
class GameTestBase : public ::testing::Test {
protected:
    static constexpr double T0 = 10 * 3600.0;

    GameTestBase() : game(host) {}

    GameState& s() { return game.State(); }

    // A random number that draws piece type `type`.
    static double TypeDraw(int type) { return (type - 0.5) / 7.0; }
    void QueuePieces(const std::vector<int>& types)
    {
        std::vector<double> draws;
        for (int t : types) {
            draws.push_back(TypeDraw(t));
        }
        host.QueueRandom(draws);
    }
    void QueueSame(int type, int count) { QueuePieces(std::vector<int>(static_cast<std::size_t>(count), type)); }

    void Key(double at, int code) { host.At(T0 + at, [this, code] { game.KeyPressed(code); }); }
    void ExitAt(double at) { host.At(T0 + at, [this] { game.RequestExit(); }); }

    FakeHost host{T0};
    Game game;
};

}  // namespace brixel::test
