// Arbitrary bytes as the image of a sound effect. The checker must never look
// outside the image (AddressSanitizer and the library's bounds assertions
// watch every access), and whatever it accepts must describe the image
// truthfully: the samples lie inside the RIFF form, the format fields fit
// together and are the ones in the first "fmt " chunk, and the player hands
// exactly the accepted images on to the speaker.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "FuzzCheck.h"
#include "media/SoundPlayer.h"
#include "media/WavImage.h"

using namespace brixel;

namespace {

constexpr std::size_t RiffHeaderSize = 12;
constexpr std::size_t ChunkHeaderSize = 8;

std::uint16_t U16(std::span<const std::uint8_t> b, std::size_t at)
{
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at)
{
    return static_cast<std::uint32_t>(U16(b, at)) | static_cast<std::uint32_t>(U16(b, at + 2)) << 16;
}

bool SameResult(const WavImage& a, const WavImage& b)
{
    return a.Error() == b.Error() && a.RiffSize() == b.RiffSize() && a.Chunks() == b.Chunks() &&
           a.FormatTag() == b.FormatTag() && a.Channels() == b.Channels() && a.SampleRate() == b.SampleRate() &&
           a.ByteRate() == b.ByteRate() && a.BlockAlign() == b.BlockAlign() &&
           a.BitsPerSample() == b.BitsPerSample() && a.ExtensionSize() == b.ExtensionSize() &&
           a.FactSamples() == b.FactSamples() && a.DataOffset() == b.DataOffset() && a.DataSize() == b.DataSize();
}

// The chunks lie one after the other inside the form and each one's header
// in the image says what the list says.
void CheckChunks(const WavImage& wav, std::span<const std::uint8_t> image)
{
    const std::size_t formEnd = ChunkHeaderSize + static_cast<std::size_t>(wav.RiffSize());
    FUZZ_CHECK(formEnd <= image.size());
    std::size_t next = RiffHeaderSize;
    for (const WavChunk& chunk : wav.Chunks()) {
        FUZZ_CHECK(chunk.Offset >= next + ChunkHeaderSize);
        FUZZ_CHECK(chunk.Offset + chunk.Size <= formEnd);
        FUZZ_CHECK(std::memcmp(image.data() + chunk.Offset - ChunkHeaderSize, chunk.Id.data(), 4) == 0);
        FUZZ_CHECK(U32(image, chunk.Offset - 4) == chunk.Size);
        next = chunk.Offset + chunk.Size;
    }
}

const WavChunk* FirstChunk(const WavImage& wav, const char* id)
{
    for (const WavChunk& chunk : wav.Chunks()) {
        if (chunk.Name() == id) {
            return &chunk;
        }
    }
    return nullptr;
}

void CheckAccepted(const WavImage& wav, std::span<const std::uint8_t> image)
{
    CheckChunks(wav, image);

    const bool bitsOk = wav.BitsPerSample() == 8 || wav.BitsPerSample() == 16 || wav.BitsPerSample() == 24 ||
                        wav.BitsPerSample() == 32;
    FUZZ_CHECK(wav.FormatTag() == 1);
    FUZZ_CHECK(bitsOk);
    FUZZ_CHECK(wav.Channels() > 0 && wav.SampleRate() > 0);
    FUZZ_CHECK(wav.BlockAlign() == wav.Channels() * (wav.BitsPerSample() / 8));
    FUZZ_CHECK(wav.ByteRate() == static_cast<std::uint64_t>(wav.SampleRate()) * wav.BlockAlign());

    const WavChunk* fmt = FirstChunk(wav, "fmt ");
    const WavChunk* data = FirstChunk(wav, "data");
    FUZZ_CHECK(fmt != nullptr && data != nullptr);
    FUZZ_CHECK(fmt->Offset < data->Offset);
    FUZZ_CHECK(fmt->Size >= 16);
    FUZZ_CHECK(U16(image, fmt->Offset) == wav.FormatTag());
    FUZZ_CHECK(U16(image, fmt->Offset + 2) == wav.Channels());
    FUZZ_CHECK(U32(image, fmt->Offset + 4) == wav.SampleRate());
    FUZZ_CHECK(U32(image, fmt->Offset + 8) == wav.ByteRate());
    FUZZ_CHECK(U16(image, fmt->Offset + 12) == wav.BlockAlign());
    FUZZ_CHECK(U16(image, fmt->Offset + 14) == wav.BitsPerSample());
    if (fmt->Size >= 18) {
        FUZZ_CHECK(wav.ExtensionSize() == U16(image, fmt->Offset + 16));
        FUZZ_CHECK(18U + *wav.ExtensionSize() <= fmt->Size);
    } else {
        FUZZ_CHECK(!wav.ExtensionSize());
    }
    const WavChunk* fact = FirstChunk(wav, "fact");
    FUZZ_CHECK(wav.FactSamples().has_value() == (fact != nullptr));
    if (fact != nullptr) {
        FUZZ_CHECK(fact->Size >= 4 && *wav.FactSamples() == U32(image, fact->Offset));
    }

    FUZZ_CHECK(wav.DataOffset() == data->Offset && wav.DataSize() == data->Size);
    FUZZ_CHECK(wav.DataOffset() + wav.DataSize() <= ChunkHeaderSize + static_cast<std::size_t>(wav.RiffSize()));
    FUZZ_CHECK(wav.DataSize() % wav.BlockAlign() == 0);
    FUZZ_CHECK(static_cast<std::uint64_t>(wav.Frames()) * wav.BlockAlign() == wav.DataSize());
    FUZZ_CHECK(wav.Seconds() >= 0.0);
}

// Stands in for the speaker: reads every sample byte the checker vouched for.
class TouchingOutput : public AudioOutput {
public:
    SoundOutcome Play(std::span<const std::uint8_t> image, int flags) override
    {
        ++Calls;
        Flags = flags;
        const WavImage wav = WavImage::Read(image);
        FUZZ_CHECK(wav.Valid());
        for (const std::uint8_t sample : image.subspan(wav.DataOffset(), wav.DataSize())) {
            Sum += sample;
        }
        return SoundOutcome::Played;
    }

    int Calls = 0;
    int Flags = 0;
    std::uint64_t Sum = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> bytes(data, data + size);
    const std::span<const std::uint8_t> image(bytes);
    const WavImage wav = WavImage::Read(image);

    FUZZ_CHECK(wav.Error() >= WavError::None && wav.Error() <= WavError::PartialFrame);
    FUZZ_CHECK(WavErrorText(wav.Error()) != nullptr);
    if (wav.Valid()) {
        CheckAccepted(wav, image);
    }

    // Bytes after the end of the RIFF form are not part of the sound.
    if (size >= RiffHeaderSize) {
        const std::size_t formEnd = ChunkHeaderSize + static_cast<std::size_t>(U32(image, 4));
        if (formEnd >= RiffHeaderSize && formEnd < size) {
            const std::vector<std::uint8_t> form(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(formEnd));
            FUZZ_CHECK(SameResult(WavImage::Read(form), wav));
        }
    }

    TouchingOutput speaker;
    SoundPlayer player([&](int) { return bytes; }, speaker);
    const SoundOutcome outcome = player.PlaySoundRes(101, SndAsync);
    if (size == 0) {
        FUZZ_CHECK(outcome == SoundOutcome::NoSuchEffect);
    } else if (wav.Valid()) {
        FUZZ_CHECK(outcome == SoundOutcome::Played && speaker.Calls == 1);
        // The image is a buffer of the call: it may only ever play synchronously.
        FUZZ_CHECK((speaker.Flags & SndAsync) == 0 && (speaker.Flags & SndMemory) != 0);
    } else {
        FUZZ_CHECK(outcome == SoundOutcome::BrokenImage && speaker.Calls == 0);
    }
    return 0;
}
