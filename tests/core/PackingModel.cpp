#include "PackingModel.h"

namespace {

const int kLowBounds[16] = {0, 40, 60, 75, 85, 95, 105, 115, 120, 125, 130, 135, 145, 155, 165, 180};
const int kHighBounds[16] = {40, 60, 75, 85, 95, 105, 115, 120, 125, 130, 135, 145, 155, 165, 180, 255};

int Quantise(int value, int& held)
{
    for (int band = 0; band < 16; ++band) {
        if (kLowBounds[band] <= value && value < kHighBounds[band]) {
            held = band;
            break;
        }
    }
    return held;
}

}  // namespace

Bytes ModelPackedFile(const Bytes& input)
{
    std::size_t pos = 0;
    auto next = [&](int& byte) {
        if (pos >= input.size())
            return false;
        byte = input[pos++];
        return true;
    };
    Bytes output;
    int byte = 0;
    for (int i = 0; i < 8 && next(byte); ++i)
        output.push_back(static_cast<std::uint8_t>(byte));
    if (output.size() == 8) {
        const std::int32_t offset = static_cast<std::int32_t>(std::uint32_t{output[4]} << 24 |
                                                              std::uint32_t{output[5]} << 16 |
                                                              std::uint32_t{output[6]} << 8 | output[7]);
        for (std::int64_t i = 8; i < offset && next(byte); ++i)
            output.push_back(static_cast<std::uint8_t>(byte));
    }
    int heldHigh = 0;
    int heldLow = 0;
    while (next(byte)) {
        const int high = Quantise(byte, heldHigh);
        int low = heldLow;
        const bool more = next(byte);
        if (more)
            low = Quantise(byte, heldLow);
        output.push_back(static_cast<std::uint8_t>(high * 16 + low));
        if (!more)
            break;
    }
    return output;
}
