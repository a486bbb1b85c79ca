#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "SoundFiles.h"
#include "media/WavImage.h"

namespace brixel {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes B(const char* text)
{
    return Bytes(text, text + 4);
}

// Offsets in 104.wav: "fmt " at 12 (18 bytes: tag 20, channels 22, rate 24,
// byte rate 28, align 32, bits 34, extension 36), "fact" at 38, "data" at 50.
struct Damage {
    std::string Name;
    int Effect;
    std::vector<std::pair<std::size_t, Bytes>> Patches;  // offset, bytes written there
    WavError Expected;
};

const std::vector<Damage>& Damages()
{
    static const std::vector<Damage> table = {
        {"UnknownChunkInsteadOfFact", 104, {{38, B("LIST")}}, WavError::None},
        {"BigEndianMagic", 104, {{0, B("RIFX")}}, WavError::NotRiff},
        {"AviForm", 104, {{8, B("AVI ")}}, WavError::NotWave},
        {"RiffLengthPastEnd", 104, {{4, {0x71, 0x02, 0, 0}}}, WavError::Truncated},
        {"RiffLengthMaximal", 104, {{4, {0xFF, 0xFF, 0xFF, 0xFF}}}, WavError::Truncated},
        {"DataLengthPastEnd", 104, {{54, {0x3F, 0x02, 0, 0}}}, WavError::ChunkPastEnd},
        {"FactLengthMaximal", 104, {{42, {0xFF, 0xFF, 0xFF, 0xFF}}}, WavError::ChunkPastEnd},
        {"IeeeFloat", 104, {{20, {3, 0}}}, WavError::NotPcm},
        {"Extensible", 104, {{20, {0xFE, 0xFF}}}, WavError::NotPcm},
        {"FmtOfFourteenBytes", 104, {{16, {14, 0, 0, 0}}}, WavError::FmtTooShort},
        {"ExtensionPastFmt", 104, {{36, {6, 0}}}, WavError::FmtTooShort},
        {"NoChannels", 104, {{22, {0, 0}}}, WavError::BadFormat},
        {"TwelveBits", 104, {{34, {12, 0}}}, WavError::BadFormat},
        // 24 and 32 bits with byte rate and alignment to match; the data
        // shrinks to whole frames (573 bytes and a pad byte; 572 bytes in a
        // RIFF form two bytes shorter).
        {"TwentyFourBits", 104, {{28, {0x33, 0x81, 0, 0}}, {32, {3, 0}}, {34, {24, 0}}, {54, {0x3D, 0x02, 0, 0}}},
         WavError::None},
        {"ThirtyTwoBits", 104,
         {{4, {0x6E, 0x02, 0, 0}}, {28, {0x44, 0xAC, 0, 0}}, {32, {4, 0}}, {34, {32, 0}}, {54, {0x3C, 0x02, 0, 0}}},
         WavError::None},
        {"BlockAlignTwo", 104, {{32, {2, 0}}}, WavError::BadFormat},
        {"WrongByteRate", 104, {{28, {0x40, 0x1F, 0, 0}}}, WavError::BadFormat},
        {"FactOfTwoBytes", 104, {{42, {2, 0, 0, 0}}}, WavError::FactTooShort},
        {"FmtRenamed", 104, {{12, B("FMT ")}}, WavError::MissingFmt},
        {"DataRenamed", 104, {{50, B("DATA")}}, WavError::MissingData},
        // 103 holds 2009 sample bytes: as 16-bit samples the last one is half there.
        {"HalfAFrame", 103, {{28, {0x44, 0xAC, 0, 0}}, {32, {2, 0}}, {34, {16, 0}}}, WavError::PartialFrame},
    };
    return table;
}

TEST(WavImageRead, JudgesDamagedEffects)
{
    for (const Damage& d : Damages()) {
        Bytes image = test::ReadSoundFile(d.Effect);
        ASSERT_FALSE(image.empty());
        for (const auto& [at, bytes] : d.Patches) {
            std::copy(bytes.begin(), bytes.end(), image.begin() + static_cast<std::ptrdiff_t>(at));
        }
        const WavError got = WavImage::Read(image).Error();
        EXPECT_EQ(got, d.Expected) << d.Name << ": " << WavErrorText(got);
    }
}

TEST(WavImageRead, RefusesEveryTruncationOfARealEffect)
{
    // 103 has a "fact" chunk and a pad byte, so the cuts land in every kind of place.
    const Bytes whole = test::ReadSoundFile(103);
    ASSERT_TRUE(WavImage::Read(whole).Valid());
    for (std::size_t keep = 0; keep < whole.size(); ++keep) {
        Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(keep));
        EXPECT_EQ(WavImage::Read(cut).Error(), keep < 12 ? WavError::TooShort : WavError::Truncated) << keep;
        if (keep < 12) {
            continue;
        }
        // With the RIFF length mended to the cut, a chunk cut in two is still
        // refused; only the missing pad byte after the last chunk is forgiven.
        const auto riff = static_cast<std::uint32_t>(keep - 8);
        for (int i = 0; i < 4; ++i) {
            cut[4 + i] = static_cast<std::uint8_t>(riff >> (8 * i));
        }
        EXPECT_EQ(WavImage::Read(cut).Valid(), keep == whole.size() - 1) << "mended " << keep;
    }
}

}  // namespace
}  // namespace brixel
