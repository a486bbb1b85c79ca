#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "SoundFiles.h"
#include "media/WavImage.h"

namespace brixel {
namespace {

struct Effect {
    int Number;
    std::uint32_t Rate;     // samples per second
    std::uint32_t Samples;  // sample bytes
    double Seconds;         // length as the player hears it
    std::size_t Size;       // bytes of the file
    bool Fact;              // a "fact" chunk between "fmt " and "data"
};

void PrintTo(const Effect& e, std::ostream* os)
{
    *os << e.Number;
}

constexpr Effect Effects[] = {
    {101, 11025, 4096, 0.372, 4152, true},  {102, 11025, 1510, 0.137, 1556, false},
    {103, 22050, 2009, 0.091, 2068, true},  {104, 11025, 574, 0.052, 632, true},
    {105, 11025, 718, 0.065, 764, false},   {106, 11025, 862, 0.078, 908, false},
    {107, 11025, 1006, 0.091, 1052, false},
};

class SoundFile : public testing::TestWithParam<Effect> {
protected:
    std::uint32_t U(std::size_t at, int bytes) const
    {
        std::uint32_t v = 0;
        for (int i = bytes - 1; i >= 0; --i) {
            v = v << 8 | b.at(at + static_cast<std::size_t>(i));
        }
        return v;
    }
    std::string Id(std::size_t at) const { return std::string(b.begin() + at, b.begin() + at + 4); }

    std::vector<std::uint8_t> b = test::ReadSoundFile(GetParam().Number);
};

TEST_P(SoundFile, LaysOutHeaderAndChunksByteForByte)
{
    const Effect e = GetParam();
    ASSERT_EQ(b.size(), e.Size);
    EXPECT_EQ(Id(0), "RIFF");
    EXPECT_EQ(U(4, 4), e.Size - 8);
    EXPECT_EQ(Id(8), "WAVE");

    // Only 101 has the plain 16-byte "fmt "; the others add the extension size.
    const std::uint32_t fmtSize = e.Number == 101 ? 16 : 18;
    EXPECT_EQ(Id(12), "fmt ");
    EXPECT_EQ(U(16, 4), fmtSize);
    EXPECT_EQ(U(20, 2), 1u) << "PCM";
    EXPECT_EQ(U(22, 2), 1u) << "mono";
    EXPECT_EQ(U(24, 4), e.Rate);
    EXPECT_EQ(U(28, 4), e.Rate) << "bytes per second";
    EXPECT_EQ(U(32, 2), 1u) << "block align";
    EXPECT_EQ(U(34, 2), 8u) << "bits per sample";
    if (fmtSize == 18) {
        EXPECT_EQ(U(36, 2), 0u) << "extension size";
    }

    std::size_t at = 20 + fmtSize;
    if (e.Fact) {
        EXPECT_EQ(Id(at), "fact");
        EXPECT_EQ(U(at + 4, 4), 4u);
        EXPECT_EQ(U(at + 8, 4), e.Samples);
        at += 12;
    }
    EXPECT_EQ(Id(at), "data");
    EXPECT_EQ(U(at + 4, 4), e.Samples);
    const std::size_t end = at + 8 + e.Samples;
    EXPECT_EQ(b.size(), end + e.Samples % 2) << "an odd data chunk carries one pad byte";
    if (e.Samples % 2 == 1) {
        EXPECT_EQ(b.back(), 0);
    }
}

TEST_P(SoundFile, ReadsAsAQuietStartingAndEndingEffectOfItsLength)
{
    const Effect e = GetParam();
    const WavImage w = WavImage::Read(b);
    ASSERT_TRUE(w.Valid()) << WavErrorText(w.Error());
    EXPECT_EQ(w.Chunks().size(), e.Fact ? 3u : 2u);
    EXPECT_NEAR(w.Seconds(), e.Seconds, 0.0005);

    const auto first = b.begin() + static_cast<std::ptrdiff_t>(w.DataOffset());
    const std::vector<std::uint8_t> s(first, first + w.DataSize());
    // Starting or stopping away from the resting value 128 would click.
    EXPECT_EQ(s.front(), 128);
    EXPECT_EQ(s.back(), 128);
    const auto [low, high] = std::minmax_element(s.begin(), s.end());
    EXPECT_GE(std::max(128 - *low, *high - 128), 30) << "audible";
}

INSTANTIATE_TEST_SUITE_P(Effects, SoundFile, testing::ValuesIn(Effects),
                         [](const auto& info) { return std::to_string(info.param.Number); });

}  // namespace
}  // namespace brixel
