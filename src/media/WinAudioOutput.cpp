#include "media/WinAudioOutput.h"

#include <windows.h>
#include <mmsystem.h>

#include "media/SoundPlayer.h"

namespace brixel {

bool WinAudioOutput::Open()
{
    if (m_state == Device::NotTried) {
        m_state = waveOutGetNumDevs() > 0 ? Device::Present : Device::Missing;
    }
    return m_state == Device::Present;
}

void WinAudioOutput::Close()
{
    m_state = Device::NotTried;
}

SoundOutcome WinAudioOutput::Play(std::span<const std::uint8_t> image, int flags)
{
    // Without a device PlaySound would look for one at every effect; asking
    // once keeps a silent machine as quick as one with sound.
    if (!Open()) {
        return SoundOutcome::NoDevice;
    }
    // SoundPlayer never asks for asynchronous playing: the image lives only
    // as long as this call, so the system must be done with it on return.
    UINT how = SND_MEMORY | SND_SYNC;
    if ((flags & SndNoDefault) != 0) {
        how |= SND_NODEFAULT;
    }
    const auto* memory = reinterpret_cast<LPCWSTR>(image.data());
    return PlaySoundW(memory, nullptr, how) ? SoundOutcome::Played : SoundOutcome::NoDevice;
}

}  // namespace brixel
