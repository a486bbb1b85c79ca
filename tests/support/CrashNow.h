#pragma once

namespace fallox::test {

// Ends this process the hard way, as a crash or a kill from outside would:
// no destructors, no clean-up, and a parent sees a crash rather than an exit.
[[noreturn]] void CrashNow();

}  // namespace fallox::test
