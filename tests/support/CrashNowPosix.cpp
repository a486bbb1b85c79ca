#include "support/CrashNow.h"

#include <csignal>
#include <cstdlib>

namespace fallox::test {

void CrashNow()
{
    std::raise(SIGKILL);
    std::abort();
}

}  // namespace fallox::test
