#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <chrono>

#include "SoundFiles.h"
#include "media/SoundPlayer.h"
#include "media/SoundResources.h"
#include "media/WinAudioOutput.h"

namespace brixel {
namespace {

double SecondsOf(const auto& action)
{
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Wine without a sound card, like a Windows machine without one.
TEST(WinAudioOutput, WithoutADeviceEveryEffectReturnsAtOnce)
{
    if (waveOutGetNumDevs() > 0) {
        GTEST_SKIP() << "this machine has a wave output device";
    }
    WinAudioOutput speaker;
    EXPECT_FALSE(speaker.Open());
    SoundPlayer player(test::ReadSoundFile, speaker);
    const double hundred = SecondsOf([&] {
        for (int i = 0; i < 100; ++i) {
            EXPECT_EQ(player.PlaySoundRes(101 + i % 7), SoundOutcome::NoDevice);
        }
    });
    EXPECT_LT(hundred / 100, 0.003) << "seconds per call";
}

TEST(SoundResources, HoldTheCommittedEffectsUnderTheirNumbersOnly)
{
    for (int n = 101; n <= 107; ++n) {
        EXPECT_EQ(SoundResources::Read(n), test::ReadSoundFile(n)) << n;
    }
    EXPECT_TRUE(SoundResources::Read(108).empty());
}

}  // namespace
}  // namespace brixel
