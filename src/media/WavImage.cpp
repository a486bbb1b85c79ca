#include "media/WavImage.h"

#include <algorithm>
#include <cstring>

namespace brixel {

namespace {

constexpr std::size_t RiffHeaderSize = 12;  // "RIFF", length, "WAVE"
constexpr std::size_t ChunkHeaderSize = 8;  // four-character code, length
constexpr std::size_t PlainFmtSize = 16;    // a "fmt " without the extension-size field
constexpr std::uint16_t PcmTag = 1;

std::uint16_t U16(std::span<const std::uint8_t> b, std::size_t at)
{
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at)
{
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

bool IdIs(std::span<const std::uint8_t> b, std::size_t at, const char* id)
{
    return std::memcmp(b.data() + at, id, 4) == 0;
}

}  // namespace

const char* WavErrorText(WavError error)
{
    switch (error) {
    case WavError::None: return "valid";
    case WavError::TooShort: return "shorter than a RIFF header";
    case WavError::NotRiff: return "not a RIFF file";
    case WavError::NotWave: return "not a WAVE form";
    case WavError::Truncated: return "truncated";
    case WavError::ChunkPastEnd: return "chunk reaches past the end";
    case WavError::MissingFmt: return "no fmt chunk before the data";
    case WavError::FmtTooShort: return "fmt chunk too short";
    case WavError::NotPcm: return "not PCM";
    case WavError::BadFormat: return "inconsistent sample format";
    case WavError::FactTooShort: return "fact chunk too short";
    case WavError::MissingData: return "no data chunk";
    case WavError::PartialFrame: return "data does not end on a whole frame";
    }
    return "unknown";
}

WavImage& WavImage::Fail(WavError error)
{
    m_error = error;
    return *this;
}

WavImage WavImage::Read(std::span<const std::uint8_t> image)
{
    WavImage w;
    if (image.size() < RiffHeaderSize) {
        return w.Fail(WavError::TooShort);
    }
    if (!IdIs(image, 0, "RIFF")) {
        return w.Fail(WavError::NotRiff);
    }
    if (!IdIs(image, 8, "WAVE")) {
        return w.Fail(WavError::NotWave);
    }
    w.m_riffSize = U32(image, 4);
    // The form ends where its length says; bytes after it are not ours to read.
    const std::size_t end = ChunkHeaderSize + static_cast<std::size_t>(w.m_riffSize);
    if (w.m_riffSize < 4 || end > image.size()) {
        return w.Fail(WavError::Truncated);
    }

    bool haveFmt = false;
    bool haveData = false;
    std::size_t at = RiffHeaderSize;
    while (at < end) {
        if (end - at < ChunkHeaderSize) {
            return w.Fail(WavError::ChunkPastEnd);
        }
        WavChunk chunk;
        std::memcpy(chunk.Id.data(), image.data() + at, 4);
        chunk.Size = U32(image, at + 4);
        chunk.Offset = at + ChunkHeaderSize;
        if (chunk.Size > end - chunk.Offset) {
            return w.Fail(WavError::ChunkPastEnd);
        }
        w.m_chunks.push_back(chunk);
        const auto payload = image.subspan(chunk.Offset, chunk.Size);

        if (IdIs(image, at, "fmt ") && !haveFmt) {
            if (const WavError e = w.ReadFmt(payload); e != WavError::None) {
                return w.Fail(e);
            }
            haveFmt = true;
        } else if (IdIs(image, at, "fact") && !w.m_factSamples) {
            if (chunk.Size < 4) {
                return w.Fail(WavError::FactTooShort);
            }
            w.m_factSamples = U32(payload, 0);
        } else if (IdIs(image, at, "data") && !haveData) {
            if (!haveFmt) {
                return w.Fail(WavError::MissingFmt);
            }
            if (chunk.Size % w.m_blockAlign != 0) {
                return w.Fail(WavError::PartialFrame);
            }
            w.m_dataOffset = chunk.Offset;
            w.m_dataSize = chunk.Size;
            haveData = true;
        }
        // An odd chunk is followed by a pad byte. Some writers leave it off
        // the last chunk, so a missing pad at the very end is forgiven.
        at = std::min(end, chunk.Offset + chunk.Size + (chunk.Size & 1U));
    }
    if (!haveFmt) {
        return w.Fail(WavError::MissingFmt);
    }
    if (!haveData) {
        return w.Fail(WavError::MissingData);
    }
    return w;
}

WavError WavImage::ReadFmt(std::span<const std::uint8_t> payload)
{
    if (payload.size() < PlainFmtSize) {
        return WavError::FmtTooShort;
    }
    m_formatTag = U16(payload, 0);
    m_channels = U16(payload, 2);
    m_sampleRate = U32(payload, 4);
    m_byteRate = U32(payload, 8);
    m_blockAlign = U16(payload, 12);
    m_bitsPerSample = U16(payload, 14);
    if (m_formatTag != PcmTag) {
        return WavError::NotPcm;
    }
    if (payload.size() >= PlainFmtSize + 2) {
        m_extensionSize = U16(payload, PlainFmtSize);
        if (PlainFmtSize + 2 + *m_extensionSize > payload.size()) {
            return WavError::FmtTooShort;
        }
    }
    const bool bitsOk = m_bitsPerSample == 8 || m_bitsPerSample == 16 || m_bitsPerSample == 24 ||
                        m_bitsPerSample == 32;
    if (m_channels == 0 || m_sampleRate == 0 || !bitsOk ||
        m_blockAlign != m_channels * (m_bitsPerSample / 8) ||
        m_byteRate != static_cast<std::uint64_t>(m_sampleRate) * m_blockAlign) {
        return WavError::BadFormat;
    }
    return WavError::None;
}

}  // namespace brixel
