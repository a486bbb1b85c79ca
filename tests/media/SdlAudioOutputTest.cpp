#include <gtest/gtest.h>

#include <cstdlib>

#include "SoundFiles.h"
#include "media/SdlAudioOutput.h"
#include "media/SoundPlayer.h"
#include "media/SoundResources.h"

namespace brixel {
namespace {

using test::SecondsOf;

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
    test::ExpectEffectsReturnAtOnce(player);
}

TEST(SdlAudioOutput, ReturnsWhenTheEffectHasPlayed)
{
    UseDriver("dummy");
    SdlAudioOutput speaker;
    ASSERT_TRUE(speaker.Open());
    SoundPlayer player(test::ReadSoundFile, speaker);
    test::ExpectEffectsHoldTheirLength(player, 0.5);

    auto broken = test::ReadSoundFile(105);
    broken[8] = 'X';  // no longer a WAVE form
    EXPECT_LT(SecondsOf([&] { EXPECT_EQ(speaker.Play(broken, SndMemory), SoundOutcome::BrokenImage); }), 0.05);
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
