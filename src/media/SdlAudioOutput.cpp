#include "media/SdlAudioOutput.h"

#include <SDL.h>

#include <QLibrary>
#include <QString>

#include <algorithm>
#include <chrono>
#include <optional>
#include <thread>
#include <type_traits>
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

// SDL is looked up when the device is first wanted (shortly after start-up,
// or by the first effect) rather than linked: linked, it and the thirty sound,
// codec and display libraries it needs are mapped and relocated before the
// window's first paint, a tenth of the program's memory by then.
struct SdlLibrary {
    decltype(&SDL_SetHint) SetHint = nullptr;
    decltype(&SDL_LogSetOutputFunction) LogSetOutputFunction = nullptr;
    decltype(&SDL_InitSubSystem) InitSubSystem = nullptr;
    decltype(&SDL_QuitSubSystem) QuitSubSystem = nullptr;
    decltype(&SDL_OpenAudioDevice) OpenAudioDevice = nullptr;
    decltype(&SDL_PauseAudioDevice) PauseAudioDevice = nullptr;
    decltype(&SDL_CloseAudioDevice) CloseAudioDevice = nullptr;
    decltype(&SDL_RWFromConstMem) RWFromConstMem = nullptr;
    decltype(&SDL_LoadWAV_RW) LoadWAV_RW = nullptr;
    decltype(&SDL_FreeWAV) FreeWAV = nullptr;
    decltype(&SDL_BuildAudioCVT) BuildAudioCVT = nullptr;
    decltype(&SDL_ConvertAudio) ConvertAudio = nullptr;
    decltype(&SDL_QueueAudio) QueueAudio = nullptr;
    decltype(&SDL_ClearQueuedAudio) ClearQueuedAudio = nullptr;
    decltype(&SDL_GetQueuedAudioSize) GetQueuedAudioSize = nullptr;
};

// SDL's functions, or nothing where the library is not installed: then the
// game has no sound, as on a machine without a device.
const SdlLibrary* Sdl()
{
    static const std::optional<SdlLibrary> loaded = []() -> std::optional<SdlLibrary> {
        QLibrary library(QStringLiteral("SDL2-2.0"), 0);  // libSDL2-2.0.so.0; stays loaded
        if (!library.load()) {
            return std::nullopt;
        }
        SdlLibrary sdl;
        bool complete = true;
        const auto resolve = [&](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(library.resolve(name));
            complete = complete && function != nullptr;
        };
        resolve(sdl.SetHint, "SDL_SetHint");
        resolve(sdl.LogSetOutputFunction, "SDL_LogSetOutputFunction");
        resolve(sdl.InitSubSystem, "SDL_InitSubSystem");
        resolve(sdl.QuitSubSystem, "SDL_QuitSubSystem");
        resolve(sdl.OpenAudioDevice, "SDL_OpenAudioDevice");
        resolve(sdl.PauseAudioDevice, "SDL_PauseAudioDevice");
        resolve(sdl.CloseAudioDevice, "SDL_CloseAudioDevice");
        resolve(sdl.RWFromConstMem, "SDL_RWFromConstMem");
        resolve(sdl.LoadWAV_RW, "SDL_LoadWAV_RW");
        resolve(sdl.FreeWAV, "SDL_FreeWAV");
        resolve(sdl.BuildAudioCVT, "SDL_BuildAudioCVT");
        resolve(sdl.ConvertAudio, "SDL_ConvertAudio");
        resolve(sdl.QueueAudio, "SDL_QueueAudio");
        resolve(sdl.ClearQueuedAudio, "SDL_ClearQueuedAudio");
        resolve(sdl.GetQueuedAudioSize, "SDL_GetQueuedAudioSize");
        return complete ? std::optional<SdlLibrary>(sdl) : std::nullopt;
    }();
    return loaded ? &*loaded : nullptr;
}

// Frees what SDL_LoadWAV_RW allocated.
struct WavBuffer {
    Uint8* Data = nullptr;
    Uint32 Length = 0;
    ~WavBuffer() { Sdl()->FreeWAV(Data); }
};

// The effect's samples in the device's format; nothing when SDL cannot convert them.
std::optional<std::vector<Uint8>> Convert(const SDL_AudioSpec& effect, const WavBuffer& wav, std::uint16_t deviceFormat,
                                          int deviceChannels, int deviceRate)
{
    SDL_AudioCVT cvt{};
    const int build = Sdl()->BuildAudioCVT(&cvt, effect.format, effect.channels, effect.freq, deviceFormat,
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
    if (Sdl()->ConvertAudio(&cvt) != 0) {
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
        Sdl()->CloseAudioDevice(m_device);
        Sdl()->QuitSubSystem(SDL_INIT_AUDIO);
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
    if (Sdl() == nullptr) {
        return false;
    }

    Sdl()->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    Sdl()->SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Fallox");
    Sdl()->SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Effekte");
    Sdl()->SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_ROLE, "game");
    Sdl()->LogSetOutputFunction(QuietLog, nullptr);
    StderrSilenced quiet;
    if (Sdl()->InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }

    SDL_AudioSpec wanted{};
    wanted.freq = DeviceRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = DeviceBufferFrames;
    wanted.callback = nullptr;  // fed through SDL_QueueAudio
    SDL_AudioSpec got{};
    m_device = Sdl()->OpenAudioDevice(nullptr, 0, &wanted, &got, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (m_device == 0) {
        Sdl()->QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    m_rate = got.freq;
    m_format = got.format;
    m_channels = got.channels;
    // The device runs from now on and plays silence while the queue is empty,
    // so an effect starts as soon as it is queued.
    Sdl()->PauseAudioDevice(m_device, 0);
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
    SDL_RWops* rw = Sdl()->RWFromConstMem(image.data(), static_cast<int>(image.size()));
    if (rw == nullptr) {
        return SoundOutcome::BrokenImage;
    }
    SDL_AudioSpec effect{};  // the effect's own sample format, as the image states it
    WavBuffer wav;
    if (Sdl()->LoadWAV_RW(rw, 1, &effect, &wav.Data, &wav.Length) == nullptr) {
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
    Sdl()->ClearQueuedAudio(m_device);
    if (Sdl()->QueueAudio(m_device, samples->data(), length) != 0) {
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
        const Uint32 left = Sdl()->GetQueuedAudioSize(m_device);
        // The device takes the queue a buffer at a time; the first take is
        // when the effect begins to sound, so it ends one length later.
        if (!started && left < bytes) {
            started = now;
        }
        if (started && left == 0 && now >= *started + length) {
            return;
        }
        if (now >= deadline) {
            Sdl()->ClearQueuedAudio(m_device);
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
