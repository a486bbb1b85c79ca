#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace brixel::test {

// The committed effect `number` as it lies in the source tree; empty when missing.
inline std::vector<std::uint8_t> ReadSoundFile(int number)
{
    std::ifstream in(std::string(FALLOX_SOUNDS_DIR) + "/" + std::to_string(number) + ".wav", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace brixel::test
