#include "media/SystemSpeaker.h"

#include "media/WebAudioOutput.h"

namespace brixel {

AudioDevice& SystemSpeaker()
{
    static WebAudioOutput speaker;
    return speaker;
}

}  // namespace brixel
