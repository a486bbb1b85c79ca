#pragma once

#include "media/AudioOutput.h"

namespace brixel {

// The program's one speaker, on the platform it was built for: SDL on Linux
// (SystemSpeakerSdl.cpp), Windows' own sound call on Windows
// (SystemSpeakerWindows.cpp). CMake compiles exactly one of the two.
class SystemSpeaker {
public:
    static AudioOutput& Output();

    // Looks for the audio device once; false when there is none (the game stays silent).
    static bool Open();

    // Lets go of the device, so another output may have it; the next effect looks again.
    static void Close();
};

}  // namespace brixel
