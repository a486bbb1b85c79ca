#include "media/WebAudioOutput.h"

#include <emscripten.h>

namespace {

// Makes the audio context and resumes it at the player's first key or click
// (a browser refuses to start sound any earlier). Returns 0 without Web Audio.
EM_JS(int, fallox_open_audio, (), {
    const AudioContextType = globalThis.AudioContext || globalThis.webkitAudioContext;
    if (!AudioContextType) {
        return 0;
    }
    if (!Module.falloxAudio) {
        const context = new AudioContextType();
        Module.falloxAudio = {context : context, decoded : new Map()};
        const resume = () => {
            context.resume();
            for (const type of ["keydown", "pointerdown"]) {
                removeEventListener(type, resume, true);
            }
        };
        for (const type of ["keydown", "pointerdown"]) {
            addEventListener(type, resume, true);
        }
    }
    return 1;
});

EM_JS(void, fallox_close_audio, (), {
    if (Module.falloxAudio) {
        Module.falloxAudio.context.close();
        Module.falloxAudio = undefined;
    }
});

// Plays the WAV image at `address` and resolves once it has sounded, or at
// once while the page may not sound yet. Each image is decoded once: the
// player hands over a fresh copy for every effect, so they are told apart by
// their bytes, not by where they lie.
EM_ASYNC_JS(int, fallox_play_wav, (const std::uint8_t* address, int length), {
    const audio = Module.falloxAudio;
    if (!audio || audio.context.state != "running") {
        return 0;
    }
    const bytes = HEAPU8.subarray(address, address + length);
    let hash = 2166136261;
    for (const byte of bytes) {
        hash = Math.imul(hash ^ byte, 16777619);
    }
    const key = length + ":" + (hash >>> 0);
    let buffer = audio.decoded.get(key);
    if (!buffer) {
        try {
            buffer = await audio.context.decodeAudioData(bytes.slice().buffer);
        } catch (error) {
            return 0;
        }
        audio.decoded.set(key, buffer);
    }
    const source = audio.context.createBufferSource();
    source.buffer = buffer;
    source.connect(audio.context.destination);
    source.start();
    // The length decides, not the "ended" event: a page whose output stalls
    // must not hold the game.
    await new Promise(resolve => setTimeout(resolve, buffer.duration * 1000));
    return 1;
});

}  // namespace

namespace brixel {

bool WebAudioOutput::Open()
{
    if (m_state == Device::NotTried) {
        m_state = fallox_open_audio() != 0 ? Device::Open : Device::Unavailable;
    }
    return m_state == Device::Open;
}

void WebAudioOutput::Close()
{
    fallox_close_audio();
    m_state = Device::NotTried;
}

SoundOutcome WebAudioOutput::Play(std::span<const std::uint8_t> image, int)
{
    if (!Open()) {
        return SoundOutcome::NoDevice;
    }
    fallox_play_wav(image.data(), static_cast<int>(image.size()));
    return SoundOutcome::Played;
}

}  // namespace brixel
