#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "media/AudioOutput.h"

namespace brixel {

class SoundPlayer;

// The program's effects: the WAV files embedded under ":/sounds/<number>.wav",
// played through the platform's speaker (SystemSpeaker()).
class SoundResources {
public:
    // The bytes of embedded effect `number`; empty when there is none.
    static std::vector<std::uint8_t> Read(int number);

    // Opens the audio device; call once at start-up so the first effect is
    // not late. Returns false when there is none (the game stays silent).
    static bool OpenDevice();

    // Closes the audio device and shuts SDL's audio down, as the program
    // ends; another output can then have the device (SDL's drivers may open
    // it only once).
    static void CloseDevice();

    // The one player of the program, over Read and the audio device.
    static SoundPlayer& Player();
};

// Plays embedded effect `number` and returns when it has ended (at once when
// nothing can sound). Left out, the flags are SndNoDefault | SndMemory.
SoundOutcome PlaySoundRes(int number, std::optional<int> flags = {});

}  // namespace brixel
