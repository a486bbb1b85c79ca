#include "media/SoundPlayer.h"

#include "media/WavImage.h"

namespace brixel {

int SoundPlayer::EffectiveFlags(std::optional<int> flags)
{
    int f = flags.value_or(SndNoDefault | SndMemory);
    // The image lives in a buffer of this call only; playing on after the
    // call has returned would read freed memory, so every play is synchronous.
    f &= ~SndAsync;
    return f | SndMemory;
}

SoundOutcome SoundPlayer::PlaySoundRes(int number, std::optional<int> flags)
{
    const std::vector<std::uint8_t> image = m_source ? m_source(number) : std::vector<std::uint8_t>{};
    if (image.empty()) {
        return SoundOutcome::NoSuchEffect;
    }
    if (!WavImage::Read(image).Valid()) {
        return SoundOutcome::BrokenImage;
    }
    return m_output.Play(image, EffectiveFlags(flags));
}

}  // namespace brixel
