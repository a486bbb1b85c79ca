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

bool MachineHasSound()
{
    return waveOutGetNumDevs() > 0;
}

// Wine without a sound driver, like a Windows machine without a sound card.
TEST(WinAudioOutput, WithoutADeviceEveryEffectReturnsAtOnce)
{
    if (MachineHasSound()) {
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

TEST(WinAudioOutput, ReturnsWhenTheEffectHasPlayed)
{
    if (!MachineHasSound()) {
        GTEST_SKIP() << "this machine has no wave output device";
    }
    WinAudioOutput speaker;
    SoundPlayer player(test::ReadSoundFile, speaker);
    struct Row {
        int Number;
        double Length;  // seconds
    };
    for (const Row r : {Row{104, 0.052}, Row{102, 0.137}, Row{101, 0.372}}) {
        SoundOutcome outcome{};
        const double took = SecondsOf([&] { outcome = player.PlaySoundRes(r.Number, SndAsync); });
        EXPECT_EQ(outcome, SoundOutcome::Played) << r.Number;
        EXPECT_GE(took, r.Length - 0.005) << r.Number;
        EXPECT_LT(took, r.Length + 0.5) << r.Number;
    }
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
