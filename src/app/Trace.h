#pragma once

#include <chrono>
#include <cstdio>

#include <QtGlobal>

// With FALLOX_TRACE set, the program writes one line to stderr for every game
// key the main window takes and for every presented well, stamped with the
// monotonic clock in nanoseconds (keys also carry the X server's event time in
// milliseconds). bench/measure_all.sh pairs them into key-to-screen latencies.
// Unset, a call site costs one test of a flag read once.
inline bool TraceEnabled()
{
    static const bool enabled = qEnvironmentVariableIsSet("FALLOX_TRACE");
    return enabled;
}

inline void TraceLine(const char* what, unsigned long long eventTime)
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::fprintf(stderr, "fallox-trace %s %lld %llu\n", what,
                 static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()), eventTime);
}
