#pragma once

#include <cstdint>
#include <span>

#include "media/AudioOutput.h"

namespace brixel {

// Plays effects on the default audio device through SDL2. The device is
// opened once, at start-up or by the first effect; if that fails, every
// later effect returns at once and the game goes on silently.
class SdlAudioOutput final : public AudioDevice {
public:
    SdlAudioOutput() = default;
    ~SdlAudioOutput() override;
    SdlAudioOutput(const SdlAudioOutput&) = delete;
    SdlAudioOutput& operator=(const SdlAudioOutput&) = delete;

    // Opens the device on the first call; every later call answers what the first found.
    bool Open() override;

    // Closes the device; the next effect or Open tries again from the start.
    void Close() override;

    // Queues the effect and sleeps until it has played, for at most its
    // length plus a short margin, so a stalled device cannot hold the game.
    SoundOutcome Play(std::span<const std::uint8_t> image, int flags) override;

private:
    enum class Device { NotTried, Open, Unavailable };

    // Sleeps until `bytes` just queued have sounded (`seconds` long), or the margin runs out.
    void WaitUntilPlayed(std::uint32_t bytes, double seconds);

    Device m_state = Device::NotTried;
    std::uint32_t m_device = 0;     // SDL audio device id, 0 while closed
    int m_rate = 0;                 // device frames per second
    std::uint16_t m_format = 0;     // SDL sample format of the device
    int m_channels = 0;             // device channels
};

}  // namespace brixel
