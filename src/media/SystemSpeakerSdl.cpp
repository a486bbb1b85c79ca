#include "media/SystemSpeaker.h"

#include "media/SdlAudioOutput.h"

namespace brixel {

AudioDevice& SystemSpeaker()
{
    static SdlAudioOutput speaker;
    return speaker;
}

}  // namespace brixel
