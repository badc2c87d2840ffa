#include "SamplePacker.h"

#include <array>
#include <cstring>

namespace {

// Input bytes handled together on the fast path: one 64-bit word.
constexpr std::size_t kChunkBytes = 8;

// The packed byte for every pair of bytes both in a band, indexed by the
// pair as a 16-bit word in host byte order (so the index needs no shifts).
const std::array<std::uint8_t, 65536> kPairLookup = [] {
    std::array<std::uint8_t, 65536> lookup{};
    for (unsigned first = 0; first < 256; ++first) {
        for (unsigned second = 0; second < 256; ++second) {
            const std::uint8_t pair[2] = {static_cast<std::uint8_t>(first), static_cast<std::uint8_t>(second)};
            std::uint16_t index;
            std::memcpy(&index, pair, sizeof index);
            lookup[index] = static_cast<std::uint8_t>((detail::kBandLookup[first] & 0x0F) << 4 |
                                                      (detail::kBandLookup[second] & 0x0F));
        }
    }
    return lookup;
}();

// True when some byte of the word is 255, the value in no band.
inline bool HasNoBandByte(std::uint64_t word)
{
    const std::uint64_t inverted = ~word;  // 255 becomes 0
    return ((inverted - 0x0101010101010101ULL) & word & 0x8080808080808080ULL) != 0;
}

inline std::uint8_t PackPairWithHolds(std::uint8_t first, std::uint8_t second, std::uint8_t previous)
{
    const unsigned high = first == 255 ? previous >> 4 : detail::kBandLookup[first];
    const unsigned low = second == 255 ? previous & 0x0F : detail::kBandLookup[second];
    return static_cast<std::uint8_t>(high << 4 | low);
}

}  // namespace

std::size_t SamplePacker::Pack(const std::uint8_t* input, std::size_t size, std::uint8_t* output)
{
    std::size_t in = 0;
    std::size_t out = 0;
    if (m_hasPendingHigh && size > 0) {
        output[out++] = static_cast<std::uint8_t>(m_pendingHigh << 4 | m_low.Quantise(input[in++]));
        m_hasPendingHigh = false;
    }
    // The held code of each position is the matching nibble of the byte
    // packed last, so that byte is all the state the loop carries.
    std::uint8_t previous = static_cast<std::uint8_t>(m_high.HeldCode() << 4 | m_low.HeldCode());
    for (; in + kChunkBytes <= size; in += kChunkBytes) {
        const std::uint8_t* chunk = input + in;
        std::uint64_t word;
        std::memcpy(&word, chunk, sizeof word);
        if (!HasNoBandByte(word)) {
            for (std::size_t i = 0; i < kChunkBytes; i += 2) {
                std::uint16_t pair;
                std::memcpy(&pair, chunk + i, sizeof pair);
                output[out + i / 2] = kPairLookup[pair];
            }
        } else {
            for (std::size_t i = 0; i < kChunkBytes; i += 2)
                output[out + i / 2] = previous = PackPairWithHolds(chunk[i], chunk[i + 1], previous);
        }
        out += kChunkBytes / 2;
        previous = output[out - 1];
    }
    for (; in + 1 < size; in += 2)
        output[out++] = previous = PackPairWithHolds(input[in], input[in + 1], previous);
    m_high = LevelQuantiser(static_cast<LevelCode>(previous >> 4));
    m_low = LevelQuantiser(static_cast<LevelCode>(previous & 0x0F));
    if (in < size) {
        m_pendingHigh = m_high.Quantise(input[in]);
        m_hasPendingHigh = true;
    }
    return out;
}

bool SamplePacker::Finish(std::uint8_t& lastByte)
{
    if (!m_hasPendingHigh)
        return false;
    lastByte = static_cast<std::uint8_t>(m_pendingHigh << 4 | m_low.HeldCode());
    m_hasPendingHigh = false;
    return true;
}
