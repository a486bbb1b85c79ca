#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "media/AudioOutput.h"

namespace brixel {

// Sound flags in the sense of the classic sndPlaySound call.
inline constexpr int SndSync = 0;       // wait until the effect has ended
inline constexpr int SndAsync = 1;      // return at once (never honoured here)
inline constexpr int SndNoDefault = 2;  // no fallback sound when the effect cannot play
inline constexpr int SndMemory = 4;     // the argument is a WAV image in memory

// Fetches the complete WAV image of effect `number`; empty when there is none.
using SoundSource = std::function<std::vector<std::uint8_t>(int number)>;

// Plays the game's effects by number: fetches the image, settles the flags,
// checks the image and hands it to the output, which returns when it has played.
class SoundPlayer {
public:
    SoundPlayer(SoundSource source, AudioOutput& output) : m_source(std::move(source)), m_output(output) {}

    // Fetches effect `number` into a buffer of this call and plays it
    // synchronously. Left out, the flags are SndNoDefault | SndMemory.
    SoundOutcome PlaySoundRes(int number, std::optional<int> flags = {});

    // The flags an effect really plays with: the default when left out,
    // SndMemory always added and SndAsync taken away.
    static int EffectiveFlags(std::optional<int> flags);

private:
    SoundSource m_source;
    AudioOutput& m_output;
};

}  // namespace brixel
