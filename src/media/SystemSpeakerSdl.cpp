#include "media/SystemSpeaker.h"

#include "media/SdlAudioOutput.h"

namespace brixel {

namespace {

SdlAudioOutput& Speaker()
{
    static SdlAudioOutput output;
    return output;
}

}  // namespace

AudioOutput& SystemSpeaker::Output()
{
    return Speaker();
}

bool SystemSpeaker::Open()
{
    return Speaker().Open();
}

void SystemSpeaker::Close()
{
    Speaker().Close();
}

}  // namespace brixel
