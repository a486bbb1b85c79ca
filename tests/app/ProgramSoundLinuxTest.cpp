#include <QStandardPaths>
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/Program.h"
#include "media/SdlAudioOutput.h"
#include "media/SoundResources.h"

namespace fallox::test {
namespace {

// SDL's dummy driver lets one output have the device at a time, so another
// output opens only once the ended program has handed its device back.
TEST(ProgramEnd, HandsTheSoundDeviceBack)
{
    QStandardPaths::setTestModeEnabled(true);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    {
        Program program;
        brixel::SoundResources::CloseDevice();  // whatever an earlier test left, with another driver
        ASSERT_TRUE(brixel::SoundResources::OpenDevice());
    }
    brixel::SdlAudioOutput other;
    EXPECT_TRUE(other.Open());
    other.Close();
    brixel::SoundResources::CloseDevice();
    unsetenv("SDL_AUDIODRIVER");
}

}  // namespace
}  // namespace fallox::test
