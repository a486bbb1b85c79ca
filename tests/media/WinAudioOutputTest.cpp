#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include "SoundFiles.h"
#include "media/SoundPlayer.h"
#include "media/WinAudioOutput.h"

namespace brixel {
namespace {

// Wine without a sound card, like a Windows machine without one.
TEST(WinAudioOutput, WithoutADeviceEveryEffectReturnsAtOnce)
{
    if (waveOutGetNumDevs() > 0) {
        GTEST_SKIP() << "this machine has a wave output device";
    }
    WinAudioOutput speaker;
    EXPECT_FALSE(speaker.Open());
    SoundPlayer player(test::ReadSoundFile, speaker);
    test::ExpectEffectsReturnAtOnce(player);
}

// Wine playing to a sound server, as a Windows machine to its sound card.
TEST(WinAudioOutput, ReturnsWhenTheEffectHasPlayed)
{
    if (waveOutGetNumDevs() == 0) {
        GTEST_SKIP() << "Wine found no wave output device (no sound server reachable)";
    }
    WinAudioOutput speaker;
    ASSERT_TRUE(speaker.Open());
    SoundPlayer player(test::ReadSoundFile, speaker);
    // On its way to the server Wine adds about a tenth of a second to the
    // shortest effect and up to four tenths to the longest (on a busy machine).
    test::ExpectEffectsHoldTheirLength(player, 1.0);
}

}  // namespace
}  // namespace brixel
