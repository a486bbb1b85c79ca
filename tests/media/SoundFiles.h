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

}  // namespace brixel::test
