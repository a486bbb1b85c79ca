#include "support/CrashNow.h"

#include <windows.h>

#include <cstdlib>

namespace fallox::test {

void CrashNow()
{
    // An exit status in the system's error range is what a parent reads as a crash.
    TerminateProcess(GetCurrentProcess(), 0xC0000005);
    std::abort();
}

}  // namespace fallox::test
