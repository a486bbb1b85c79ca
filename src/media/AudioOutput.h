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

// Where effects go: the platform's speaker in the program, a recorder in tests.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;

    // Called by SoundPlayer with a checked WAV image and its sound flags;
    // returns once the effect has played to its end, or at once when it cannot play.
    virtual SoundOutcome Play(std::span<const std::uint8_t> image, int flags) = 0;
};

// An output to a device of the machine, which may be missing.
class AudioDevice : public AudioOutput {
public:
    // Looks for the device on the first call; later calls answer what the
    // first found. False when there is none: every effect then returns at once.
    virtual bool Open() = 0;

    // Lets go of the device, so another output may have it; the next effect
    // or Open looks again.
    virtual void Close() = 0;
};

}  // namespace brixel
