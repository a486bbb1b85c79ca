#pragma once

#include <cstdint>
#include <span>

#include "media/AudioOutput.h"

namespace brixel {

// Plays effects in a browser through Web Audio, from the same WAV bytes as on
// the desktop. A browser lets a page sound only after the player has pressed
// a key or clicked in it; until then every effect is silent and returns at
// once, so the game does not wait for sounds nobody hears.
class WebAudioOutput final : public AudioDevice {
public:
    // Makes the page's audio context, which starts to sound at the player's
    // first key or click; false where the browser has no Web Audio.
    bool Open() override;

    // Closes the audio context; the next effect or Open makes a new one.
    void Close() override;

    // Decodes the effect (once per image), starts it and sleeps, letting the
    // page run, until it has played: the game waits for it as on the desktop.
    SoundOutcome Play(std::span<const std::uint8_t> image, int flags) override;

private:
    enum class Device { NotTried, Open, Unavailable };
    Device m_state = Device::NotTried;
};

}  // namespace brixel
