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

}  // namespace
}  // namespace brixel
