// Deterministic pseudo-random numbers for texture, so every run of gen_art
// paints the same grain.

#pragma once

#include <cstdint>

namespace art {

class Grain {
public:
    explicit Grain(std::uint32_t seed) : m_state(seed) {}
    std::uint32_t next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return m_state >> 8;
    }
    int below(int n) { return int(next() % std::uint32_t(n)); }

private:
    std::uint32_t m_state; // the generator's whole state, advanced by next()
};

} // namespace art
