#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "SoundFiles.h"
#include "media/SdlAudioOutput.h"
#include "media/SoundPlayer.h"
#include "media/SoundResources.h"

namespace brixel {
namespace {

double SecondsOf(const auto& action)
{
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// SDL picks its driver when its audio starts, so each test names one first:
// a driver that does not exist stands for a machine without sound, SDL's
// "dummy" driver for a silent device that plays in real time.
void UseDriver(const char* name)
{
    setenv("SDL_AUDIODRIVER", name, 1);
}

TEST(SdlAudioOutput, WithoutADeviceReturnsAtOnceAndNeverTriesAgain)
{
    UseDriver("fallox-no-such-driver");
    SdlAudioOutput speaker;
    SoundPlayer player(test::ReadSoundFile, speaker);
    EXPECT_LT(SecondsOf([&] { EXPECT_EQ(player.PlaySoundRes(101), SoundOutcome::NoDevice); }), 0.5);

    UseDriver("dummy");  // a second attempt to open would now succeed
    const double hundred = SecondsOf([&] {
        for (int i = 0; i < 100; ++i) {
            EXPECT_EQ(player.PlaySoundRes(101 + i % 7), SoundOutcome::NoDevice);
        }
    });
    EXPECT_LT(hundred / 100, 0.003) << "seconds per call";
}

TEST(SdlAudioOutput, ReturnsWhenTheEffectHasPlayed)
{
    UseDriver("dummy");
    SdlAudioOutput speaker;
    ASSERT_TRUE(speaker.Open());
    SoundPlayer player(test::ReadSoundFile, speaker);
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
        EXPECT_LT(took, r.Length + 0.5) << r.Number;
    }

    auto broken = test::ReadSoundFile(105);
    broken[8] = 'X';  // no longer a WAVE form
    EXPECT_LT(SecondsOf([&] { EXPECT_EQ(speaker.Play(broken, SndMemory), SoundOutcome::BrokenImage); }), 0.05);
}

TEST(SoundResources, HoldTheCommittedEffectsUnderTheirNumbersOnly)
{
    for (int n = 101; n <= 107; ++n) {
        EXPECT_EQ(SoundResources::Read(n), test::ReadSoundFile(n)) << n;
    }
    for (const int n : {0, 100, 108, -101}) {
        EXPECT_TRUE(SoundResources::Read(n).empty()) << n;
    }
}

// The program's own device stays open until it is closed, and SDL's dummy
// driver lets only one output have the device at a time: every test that
// opens it closes it again, so the tests pass in any order.
struct ProgramDeviceClosed {
    ~ProgramDeviceClosed() { SoundResources::CloseDevice(); }
};

TEST(PlaySoundRes, PlaysTheEmbeddedEffects)
{
    UseDriver("dummy");
    const ProgramDeviceClosed closeAfterwards;
    ASSERT_TRUE(SoundResources::OpenDevice());
    const double took = SecondsOf([] { EXPECT_EQ(PlaySoundRes(107), SoundOutcome::Played); });
    EXPECT_GE(took, 0.091 - 0.005);
    EXPECT_LT(took, 0.091 + 0.5);
    EXPECT_EQ(PlaySoundRes(108), SoundOutcome::NoSuchEffect);
}

TEST(PlaySoundRes, AfterTheProgramClosesItsDeviceAnotherOutputCanOpenIt)
{
    UseDriver("dummy");
    const ProgramDeviceClosed closeAfterwards;
    ASSERT_TRUE(SoundResources::OpenDevice());
    SoundResources::CloseDevice();
    SdlAudioOutput other;
    EXPECT_TRUE(other.Open());
    other.Close();
    // and the program's device opens again after that
    EXPECT_EQ(PlaySoundRes(104), SoundOutcome::Played);
}

}  // namespace
}  // namespace brixel
