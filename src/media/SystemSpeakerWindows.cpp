#include "media/SystemSpeaker.h"

#include "media/WinAudioOutput.h"

namespace brixel {

AudioDevice& SystemSpeaker()
{
    static WinAudioOutput speaker;
    return speaker;
}

}  // namespace brixel
