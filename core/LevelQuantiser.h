#pragma once

#include <array>
#include <cstdint>
#include <optional>

// A level code is the number (0 to 15) of the band that holds a sample byte.
using LevelCode = std::uint8_t;

struct Band {
    int low;   // inclusive
    int high;  // exclusive
};

// Sixteen bands, contiguous from 0. Band 15 stops at 255 (exclusive), so the
// byte value 255 lies in no band; stored files depend on that.
inline constexpr std::array<Band, 16> kBandTable = {{
    {0, 40},    {40, 60},   {60, 75},   {75, 85},
    {85, 95},   {95, 105},  {105, 115}, {115, 120},
    {120, 125}, {125, 130}, {130, 135}, {135, 145},
    {145, 155}, {155, 165}, {165, 180}, {180, 255},
}};

// The band that holds `value`, or nothing (255, and anything outside 0..254).
std::optional<LevelCode> FindBand(int value);

namespace detail {
inline constexpr std::uint8_t kNoBand = 0xFF;

constexpr std::array<std::uint8_t, 256> MakeBandLookup()
{
    std::array<std::uint8_t, 256> lookup{};
    for (int value = 0; value < 256; ++value) {
        lookup[value] = kNoBand;
        for (std::size_t band = 0; band < kBandTable.size(); ++band) {
            if (kBandTable[band].low <= value && value < kBandTable[band].high)
                lookup[value] = static_cast<std::uint8_t>(band);
        }
    }
    return lookup;
}

// FindBand for a byte, by lookup: the run calls it for every sample byte.
inline constexpr std::array<std::uint8_t, 256> kBandLookup = MakeBandLookup();
}  // namespace detail

// One nibble position (high or low) of the packed data. A byte in no band
// repeats the code this position was last given, so the two positions each
// need their own quantiser.
class LevelQuantiser {
public:
    // Code given back while no byte in this position has yet matched a band.
    static constexpr LevelCode kStartingHeldCode = 0;

    LevelQuantiser() = default;
    // Resumes a position whose held code is known.
    explicit LevelQuantiser(LevelCode heldCode) : m_heldCode(heldCode) {}

    LevelCode Quantise(std::uint8_t value)
    {
        const std::uint8_t band = detail::kBandLookup[value];
        if (band != detail::kNoBand)
            m_heldCode = band;
        return m_heldCode;
    }

    LevelCode HeldCode() const { return m_heldCode; }

private:
    LevelCode m_heldCode = kStartingHeldCode;
};
