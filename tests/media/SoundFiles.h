#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "media/SoundPlayer.h"

namespace brixel::test {

// The committed effect `number` as it lies in the source tree; empty when missing.
inline std::vector<std::uint8_t> ReadSoundFile(int number)
{
    std::ifstream in(std::string(FALLOX_SOUNDS_DIR) + "/" + std::to_string(number) + ".wav", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// How long `action` took, in seconds.
inline double SecondsOf(const auto& action)
{
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A player whose speaker has no device: a hundred effects in a row each
// return at once, saying so.
inline void ExpectEffectsReturnAtOnce(SoundPlayer& player)
{
    const double hundred = SecondsOf([&] {
        for (int i = 0; i < 100; ++i) {
            EXPECT_EQ(player.PlaySoundRes(101 + i % 7), SoundOutcome::NoDevice);
        }
    });
    EXPECT_LT(hundred / 100, 0.003) << "seconds per call";
}

// A player whose speaker plays in real time: each effect holds the caller
// until it has played, as long as it lasts and at most `lateBy` seconds
// longer, also when asked to play it asynchronously.
inline void ExpectEffectsHoldTheirLength(SoundPlayer& player, double lateBy)
{
    struct Row {
        int Number;
        int Flags;
        double Length;  // seconds
    };
    for (const Row r : {Row{104, SndMemory, 0.052}, Row{103, SndMemory, 0.091}, Row{102, SndMemory, 0.137},
                        Row{101, SndMemory, 0.372}, Row{101, SndAsync, 0.372}}) {
        SoundOutcome outcome{};
        const double took = SecondsOf([&] { outcome = player.PlaySoundRes(r.Number, r.Flags); });
        EXPECT_EQ(outcome, SoundOutcome::Played) << r.Number;
        EXPECT_GE(took, r.Length - 0.005) << r.Number;
        EXPECT_LT(took, r.Length + lateBy) << r.Number;
    }
}

}  // namespace brixel::test
