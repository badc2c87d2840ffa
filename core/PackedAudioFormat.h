#pragma once

#include <cstddef>
#include <cstdint>

// The packed audio file (.zqa): the Sun audio header block copied byte for
// byte, then one byte per pair of sample bytes, high nibble first. There is
// no header of its own and no copied field is adjusted.
namespace PackedAudioFormat {

inline constexpr std::size_t kMagicSize = 4;
inline constexpr std::size_t kFixedPrefixSize = 8;  // magic number + data offset

// ".snd", and the older 2E 73 64 00 that some tools still write.
bool IsAcceptedMagic(const std::uint8_t* magic);

// Sun audio fields are big-endian whatever the host is.
inline std::uint32_t ReadBigEndian32(const std::uint8_t* bytes)
{
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
           (std::uint32_t{bytes[2]} << 8) | std::uint32_t{bytes[3]};
}

// Length of the header block for a raw data offset field. The field is a
// signed 32-bit number: anything up to 8, negative values included, still
// copies just the magic number and the offset itself.
std::uint64_t HeaderBlockLength(std::uint32_t rawDataOffset);

// Packed data length for n sample bytes: half, rounded up.
inline std::uint64_t PackedLength(std::uint64_t sampleBytes) { return sampleBytes / 2 + sampleBytes % 2; }

}  // namespace PackedAudioFormat
