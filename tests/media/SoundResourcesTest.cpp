#include <gtest/gtest.h>

#include "SoundFiles.h"
#include "media/SoundResources.h"

namespace brixel {
namespace {

TEST(SoundResources, HoldTheCommittedEffectsUnderTheirNumbersOnly)
{
    for (int n = 101; n <= 107; ++n) {
        EXPECT_EQ(SoundResources::Read(n), test::ReadSoundFile(n)) << n;
    }
    for (const int n : {0, 100, 108, -101}) {
        EXPECT_TRUE(SoundResources::Read(n).empty()) << n;
    }
}

}  // namespace
}  // namespace brixel
