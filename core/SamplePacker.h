#pragma once

#include <cstddef>
#include <cstdint>

#include "LevelQuantiser.h"

// Packs sample data that arrives in blocks of any size. A pair may be split
// across two blocks: the first byte's code waits here for its partner. The
// result is exactly that of packing the whole data one byte at a time.
class SamplePacker {
public:
    // Largest output that Pack can give for `inputBytes` of input.
    static constexpr std::size_t MaxPackedSize(std::size_t inputBytes) { return inputBytes / 2 + 1; }

    // Packs the pairs that `input` completes into `output` (room for
    // MaxPackedSize(size)); returns the number of bytes written.
    std::size_t Pack(const std::uint8_t* input, std::size_t size, std::uint8_t* output);

    // At end of the data: the byte for a last, unpaired sample, if there is
    // one. Its low nibble is the low position's held code.
    bool Finish(std::uint8_t& lastByte);

private:
    LevelQuantiser m_high;
    LevelQuantiser m_low;
    bool m_hasPendingHigh = false;
    LevelCode m_pendingHigh = 0;
};
