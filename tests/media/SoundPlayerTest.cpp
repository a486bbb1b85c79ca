#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <span>
#include <vector>

#include "SoundFiles.h"
#include "media/SoundPlayer.h"

namespace brixel {
namespace {

// Records every effect handed to the speaker instead of playing it.
struct FakeAudioOutput final : AudioOutput {
    struct Played {
        std::vector<std::uint8_t> Image;
        int Flags;
    };
    SoundOutcome Play(std::span<const std::uint8_t> image, int flags) override
    {
        Plays.push_back({{image.begin(), image.end()}, flags});
        return Answer;
    }
    std::vector<Played> Plays;
    SoundOutcome Answer = SoundOutcome::Played;  // what every play reports
};

class SoundPlayerTest : public testing::Test {
protected:
    SoundPlayerTest()
    {
        for (int n = 101; n <= 107; ++n) {
            effects[n] = test::ReadSoundFile(n);
        }
    }

    std::map<int, std::vector<std::uint8_t>> effects;
    std::vector<int> asked;
    FakeAudioOutput speaker;
    SoundPlayer player{[this](int n) {
                           asked.push_back(n);
                           return effects.contains(n) ? effects[n] : std::vector<std::uint8_t>{};
                       },
                       speaker};
};

TEST_F(SoundPlayerTest, SettlesTheFlags)
{
    const std::pair<std::optional<int>, int> rows[] = {
        {std::nullopt, SndNoDefault | SndMemory},  // how every caller in the game plays
        {SndNoDefault, SndNoDefault | SndMemory},
        {SndSync, SndMemory},  // the default sound allowed, still from memory
        {SndMemory, SndMemory},
        {SndAsync, SndMemory},  // asynchronous play is never honoured
        {SndAsync | SndNoDefault | SndMemory, SndNoDefault | SndMemory},
    };
    for (const auto& [given, played] : rows) {
        speaker.Plays.clear();
        EXPECT_EQ(player.PlaySoundRes(104, given), SoundOutcome::Played);
        ASSERT_EQ(speaker.Plays.size(), 1u);
        EXPECT_EQ(speaker.Plays[0].Flags, played) << "given " << given.value_or(-1);
    }
}

TEST_F(SoundPlayerTest, HandsTheSpeakerAFreshCopyOfEachEffectInOrder)
{
    for (const int n : {102, 107, 101}) {
        EXPECT_EQ(player.PlaySoundRes(n), SoundOutcome::Played);
    }
    ASSERT_EQ(speaker.Plays.size(), 3u);
    EXPECT_EQ(speaker.Plays[0].Image, effects[102]);
    EXPECT_EQ(speaker.Plays[1].Image, effects[107]);
    EXPECT_EQ(speaker.Plays[2].Image, effects[101]);
    EXPECT_EQ(asked, (std::vector<int>{102, 107, 101}));
}

TEST_F(SoundPlayerTest, RefusesMissingAndDamagedEffectsWithoutPlaying)
{
    effects[101].resize(effects[101].size() / 2);
    effects[102][20] = 3;  // format tag: IEEE float
    for (const int n : {0, 100, 108, -101}) {
        EXPECT_EQ(player.PlaySoundRes(n), SoundOutcome::NoSuchEffect) << n;
    }
    EXPECT_EQ(player.PlaySoundRes(101), SoundOutcome::BrokenImage);
    EXPECT_EQ(player.PlaySoundRes(102), SoundOutcome::BrokenImage);
    EXPECT_TRUE(speaker.Plays.empty());

    speaker.Answer = SoundOutcome::NoDevice;
    EXPECT_EQ(player.PlaySoundRes(103), SoundOutcome::NoDevice);
}

}  // namespace
}  // namespace brixel
