#pragma once

#include <cstdint>
#include <span>

#include "media/AudioOutput.h"

namespace brixel {

// Plays effects with Windows' own sound call, synchronously from the image in
// memory, the way the game has always played them there. Whether there is a
// device is asked once; without one every effect returns at once, silently.
class WinAudioOutput final : public AudioDevice {
public:
    // Asks for a wave output device on the first call; later calls answer what the first found.
    bool Open() override;

    // Forgets the answer, so the next effect or Open asks again.
    void Close() override;

    // Returns when the effect has played to its end, or at once when it cannot play.
    SoundOutcome Play(std::span<const std::uint8_t> image, int flags) override;

private:
    enum class Device { NotTried, Present, Missing };

    Device m_state = Device::NotTried;
};

}  // namespace brixel
