#include "SamplePacker.h"

std::size_t SamplePacker::Pack(const std::uint8_t* input, std::size_t size, std::uint8_t* output)
{
    std::size_t in = 0;
    std::size_t out = 0;
    if (m_hasPendingHigh && size > 0) {
        output[out++] = static_cast<std::uint8_t>(m_pendingHigh << 4 | m_low.Quantise(input[in++]));
        m_hasPendingHigh = false;
    }
    for (; in + 1 < size; in += 2) {
        const LevelCode high = m_high.Quantise(input[in]);
        const LevelCode low = m_low.Quantise(input[in + 1]);
        output[out++] = static_cast<std::uint8_t>(high << 4 | low);
    }
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
