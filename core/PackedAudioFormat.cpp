#include "PackedAudioFormat.h"

namespace PackedAudioFormat {

bool IsAcceptedMagic(const std::uint8_t* magic)
{
    const bool dotSnd = magic[0] == 0x2E && magic[1] == 0x73 && magic[2] == 0x6E && magic[3] == 0x64;
    const bool dotSd0 = magic[0] == 0x2E && magic[1] == 0x73 && magic[2] == 0x64 && magic[3] == 0x00;
    return dotSnd || dotSd0;
}

std::uint64_t HeaderBlockLength(std::uint32_t rawDataOffset)
{
    // Two's-complement reinterpretation without relying on implementation-defined casts.
    const std::int64_t offset = rawDataOffset >= 0x80000000u
                                    ? static_cast<std::int64_t>(rawDataOffset) - 0x100000000LL
                                    : static_cast<std::int64_t>(rawDataOffset);
    return offset > static_cast<std::int64_t>(kFixedPrefixSize) ? static_cast<std::uint64_t>(offset)
                                                                 : kFixedPrefixSize;
}

}  // namespace PackedAudioFormat
