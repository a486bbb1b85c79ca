#include "media/SdlAudioOutput.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <thread>
#include <vector>

#if defined(__unix__)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace brixel {

namespace {

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

constexpr int DeviceRate = 22050;       // the rate of the finest effect; SDL resamples the rest
constexpr int DeviceBufferFrames = 512; // about 23 ms: short enough for a tick to start on time
constexpr double WaitMargin = 0.25;     // seconds a play may overrun its length before it is cut off
constexpr auto PollInterval = std::chrono::milliseconds(1);

// Frees what SDL_LoadWAV_RW allocated.
struct WavBuffer {
    Uint8* Data = nullptr;
    Uint32 Length = 0;
    ~WavBuffer() { SDL_FreeWAV(Data); }
};

// The effect's samples in the device's format; nothing when SDL cannot convert them.
std::optional<std::vector<Uint8>> Convert(const SDL_AudioSpec& effect, const WavBuffer& wav, std::uint16_t deviceFormat,
                                          int deviceChannels, int deviceRate)
{
    SDL_AudioCVT cvt{};
    const int build = SDL_BuildAudioCVT(&cvt, effect.format, effect.channels, effect.freq, deviceFormat,
                                        static_cast<Uint8>(deviceChannels), deviceRate);
    if (build < 0) {
        return std::nullopt;
    }
    std::vector<Uint8> buffer(wav.Data, wav.Data + wav.Length);
    if (build == 0) {
        return buffer;
    }
    buffer.resize(static_cast<std::size_t>(wav.Length) * static_cast<std::size_t>(cvt.len_mult));
    cvt.buf = buffer.data();
    cvt.len = static_cast<int>(wav.Length);
    if (SDL_ConvertAudio(&cvt) != 0) {
        return std::nullopt;
    }
    buffer.resize(static_cast<std::size_t>(cvt.len_cvt));
    return buffer;
}

// SDL reports failures through SDL_GetError, which nobody reads here; the
// program uses SDL for sound alone, and SDL's log lines would only repeat them.
void QuietLog(void*, int, SDL_LogPriority, const char*) {}

// While the device is looked for, the sound libraries below SDL (ALSA on a
// machine without a sound card) print their own complaints to stderr, which
// SDL cannot switch off. They only repeat that there is no sound, so they go
// to /dev/null for the length of the search.
class StderrSilenced {
public:
#if defined(__unix__)
    StderrSilenced() : m_saved(::dup(STDERR_FILENO))
    {
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (m_saved >= 0 && null >= 0) {
            ::dup2(null, STDERR_FILENO);
        }
        if (null >= 0) {
            ::close(null);
        }
    }
    ~StderrSilenced()
    {
        if (m_saved >= 0) {
            ::dup2(m_saved, STDERR_FILENO);
            ::close(m_saved);
        }
    }

private:
    int m_saved;
#endif
};

}  // namespace

SdlAudioOutput::~SdlAudioOutput()
{
    Close();
}

void SdlAudioOutput::Close()
{
    if (m_state == Device::Open) {
        SDL_CloseAudioDevice(m_device);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_device = 0;
    }
    m_state = Device::NotTried;
}

bool SdlAudioOutput::Open()
{
    if (m_state != Device::NotTried) {
        return m_state == Device::Open;
    }
    m_state = Device::Unavailable;

    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Fallox");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Effekte");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_ROLE, "game");
    SDL_LogSetOutputFunction(QuietLog, nullptr);
    StderrSilenced quiet;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }

    SDL_AudioSpec wanted{};
    wanted.freq = DeviceRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = DeviceBufferFrames;
    wanted.callback = nullptr;  // fed through SDL_QueueAudio
    SDL_AudioSpec got{};
    m_device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &got, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (m_device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    m_rate = got.freq;
    m_format = got.format;
    m_channels = got.channels;
    // The device runs from now on and plays silence while the queue is empty,
    // so an effect starts as soon as it is queued.
    SDL_PauseAudioDevice(m_device, 0);
    m_state = Device::Open;
    return true;
}

SoundOutcome SdlAudioOutput::Play(std::span<const std::uint8_t> image, int /*flags*/)
{
    // There is no system sound to fall back on, so with or without
    // SndNoDefault a failed play is silent.
    if (!Open()) {
        return SoundOutcome::NoDevice;
    }
    SDL_RWops* rw = SDL_RWFromConstMem(image.data(), static_cast<int>(image.size()));
    if (rw == nullptr) {
        return SoundOutcome::BrokenImage;
    }
    SDL_AudioSpec effect{};  // the effect's own sample format, as the image states it
    WavBuffer wav;
    if (SDL_LoadWAV_RW(rw, 1, &effect, &wav.Data, &wav.Length) == nullptr) {
        return SoundOutcome::BrokenImage;
    }

    const std::optional<std::vector<Uint8>> samples = Convert(effect, wav, m_format, m_channels, m_rate);
    if (!samples) {
        return SoundOutcome::BrokenImage;
    }
    const auto length = static_cast<Uint32>(samples->size());
    if (length == 0) {
        return SoundOutcome::Played;
    }

    // Whatever a cut-off effect left in the queue must not delay this one.
    SDL_ClearQueuedAudio(m_device);
    if (SDL_QueueAudio(m_device, samples->data(), length) != 0) {
        return SoundOutcome::NoDevice;
    }
    const int frameBytes = SDL_AUDIO_BITSIZE(m_format) / 8 * m_channels;
    WaitUntilPlayed(length, static_cast<double>(length) / frameBytes / m_rate);
    return SoundOutcome::Played;
}

void SdlAudioOutput::WaitUntilPlayed(std::uint32_t bytes, double seconds)
{
    const auto length = std::chrono::duration_cast<Clock::duration>(Seconds(seconds));
    const auto deadline = Clock::now() + length + std::chrono::duration_cast<Clock::duration>(Seconds(WaitMargin));
    std::optional<Clock::time_point> started;
    for (;;) {
        const auto now = Clock::now();
        const Uint32 left = SDL_GetQueuedAudioSize(m_device);
        // The device takes the queue a buffer at a time; the first take is
        // when the effect begins to sound, so it ends one length later.
        if (!started && left < bytes) {
            started = now;
        }
        if (started && left == 0 && now >= *started + length) {
            return;
        }
        if (now >= deadline) {
            SDL_ClearQueuedAudio(m_device);
            return;
        }
        // Until the first take, poll; after it, nothing can end before one
        // length has passed.
        auto wake = now + PollInterval;
        if (started) {
            wake = std::max(wake, std::min(*started + length, deadline));
        }
        std::this_thread::sleep_until(wake);
    }
}

}  // namespace brixel
