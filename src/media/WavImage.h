#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace brixel {

// Why an image was refused. Images come from the program's own resources,
// so any of these means a damaged build rather than a player's mistake.
enum class WavError {
    None,
    TooShort,          // fewer than the 12 bytes of the RIFF header
    NotRiff,           // does not start with "RIFF"
    NotWave,           // the RIFF form is not "WAVE"
    Truncated,         // the RIFF length reaches past the end of the image
    ChunkPastEnd,      // a chunk's length reaches past the end of the RIFF form
    MissingFmt,        // no "fmt " chunk before the "data" chunk
    FmtTooShort,       // "fmt " holds fewer than 16 bytes, or less than its extension claims
    NotPcm,            // the format tag is not 1
    BadFormat,         // channels, rate, bits or alignment do not fit together
    FactTooShort,      // a "fact" chunk of fewer than 4 bytes
    MissingData,       // no "data" chunk
    PartialFrame,      // the sample bytes do not make whole frames
};

const char* WavErrorText(WavError error);

// One chunk as it lies in the image.
struct WavChunk {
    std::array<char, 4> Id{};  // four-character code, e.g. "fmt ", "fact", "data"
    std::size_t Offset = 0;    // byte offset of the chunk's payload in the image
    std::uint32_t Size = 0;    // payload bytes, without the pad byte of an odd chunk

    std::string Name() const { return std::string(Id.data(), Id.size()); }
    bool operator==(const WavChunk&) const = default;
};

// A checked description of a RIFF WAVE image held in memory. Read walks the
// chunks in order, steps over the ones it does not use ("fact", "LIST", ...)
// and refuses anything a player could not play safely.
class WavImage {
public:
    static WavImage Read(std::span<const std::uint8_t> image);

    WavError Error() const { return m_error; }
    bool Valid() const { return m_error == WavError::None; }

    std::uint32_t RiffSize() const { return m_riffSize; }      // the RIFF length field (image size - 8)
    const std::vector<WavChunk>& Chunks() const { return m_chunks; }  // every chunk, in file order

    std::uint16_t FormatTag() const { return m_formatTag; }    // 1 = PCM
    std::uint16_t Channels() const { return m_channels; }
    std::uint32_t SampleRate() const { return m_sampleRate; }  // frames per second
    std::uint32_t ByteRate() const { return m_byteRate; }      // bytes per second
    std::uint16_t BlockAlign() const { return m_blockAlign; }  // bytes per frame
    std::uint16_t BitsPerSample() const { return m_bitsPerSample; }
    std::optional<std::uint16_t> ExtensionSize() const { return m_extensionSize; }  // only in an 18+ byte "fmt "
    std::optional<std::uint32_t> FactSamples() const { return m_factSamples; }     // from a "fact" chunk

    std::size_t DataOffset() const { return m_dataOffset; }  // first sample byte in the image
    std::uint32_t DataSize() const { return m_dataSize; }    // sample bytes
    std::uint32_t Frames() const { return m_blockAlign ? m_dataSize / m_blockAlign : 0; }
    double Seconds() const { return m_sampleRate ? static_cast<double>(Frames()) / m_sampleRate : 0.0; }

private:
    WavError ReadFmt(std::span<const std::uint8_t> payload);
    WavImage& Fail(WavError error);

    WavError m_error = WavError::None;
    std::uint32_t m_riffSize = 0;
    std::vector<WavChunk> m_chunks;
    std::uint16_t m_formatTag = 0;
    std::uint16_t m_channels = 0;
    std::uint32_t m_sampleRate = 0;
    std::uint32_t m_byteRate = 0;
    std::uint16_t m_blockAlign = 0;
    std::uint16_t m_bitsPerSample = 0;
    std::optional<std::uint16_t> m_extensionSize;
    std::optional<std::uint32_t> m_factSamples;
    std::size_t m_dataOffset = 0;
    std::uint32_t m_dataSize = 0;
};

}  // namespace brixel
