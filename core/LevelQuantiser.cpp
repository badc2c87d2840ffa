#include "LevelQuantiser.h"

std::optional<LevelCode> FindBand(int value)
{
    if (value < 0 || value > 255)
        return std::nullopt;
    const std::uint8_t band = detail::kBandLookup[static_cast<std::size_t>(value)];
    if (band == detail::kNoBand)
        return std::nullopt;
    return band;
}
