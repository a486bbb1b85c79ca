#include "media/SystemSpeaker.h"

#include "media/WinAudioOutput.h"

namespace brixel {

namespace {

WinAudioOutput& Speaker()
{
    static WinAudioOutput output;
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
