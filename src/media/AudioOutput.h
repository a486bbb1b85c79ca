#pragma once

#include <cstdint>
#include <span>

namespace brixel {

// What became of one request to play an effect. The game ignores it; the
// tests and a curious caller can look.
enum class SoundOutcome {
    Played,        // played to its end
    NoSuchEffect,  // no effect has that number
    BrokenImage,   // the stored image is not a playable WAV
    NoDevice,      // there is no audio device, so nothing sounded
};

// Where effects go: the speaker through SDL in the program, a recorder in tests.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;

    // Called by SoundPlayer with a checked WAV image and its sound flags;
    // returns once the effect has played to its end, or at once when it cannot play.
    virtual SoundOutcome Play(std::span<const std::uint8_t> image, int flags) = 0;
};

}  // namespace brixel
