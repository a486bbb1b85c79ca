#pragma once

#include "media/AudioOutput.h"

namespace brixel {

// The program's one speaker, on the platform it was built for: SDL on Linux
// (SystemSpeakerSdl.cpp), Windows' own sound call on Windows
// (SystemSpeakerWindows.cpp), Web Audio in a browser (SystemSpeakerWeb.cpp).
// CMake compiles exactly one of the three.
AudioDevice& SystemSpeaker();

}  // namespace brixel
