#include <gtest/gtest.h>

#include "PackingModel.h"
#include "SamplePacker.h"

namespace {

// Packs `samples` cut into blocks of the given sizes (the last size repeats).
Bytes PackInBlocks(const Bytes& samples, const std::vector<std::size_t>& blockSizes)
{
    SamplePacker packer;
    Bytes output;
    std::size_t pos = 0;
    std::size_t which = 0;
    while (pos < samples.size()) {
        std::size_t size = blockSizes[std::min(which++, blockSizes.size() - 1)];
        size = std::min(size, samples.size() - pos);
        Bytes block(SamplePacker::MaxPackedSize(size));
        const std::size_t packed = packer.Pack(samples.data() + pos, size, block.data());
        output.insert(output.end(), block.begin(), block.begin() + static_cast<std::ptrdiff_t>(packed));
        pos += size;
    }
    std::uint8_t last = 0;
    if (packer.Finish(last))
        output.push_back(last);
    return output;
}

// The packed data part of the model's output, for a bare 8-byte header.
Bytes ModelPacked(const Bytes& samples)
{
    const Bytes header = {0x2E, 0x73, 0x6E, 0x64, 0, 0, 0, 8};
    const Bytes file = ModelPackedFile(Concat(header, samples));
    return Bytes(file.begin() + 8, file.end());
}

}  // namespace

TEST(SamplePacker, WorkedValues)
{
    struct Case {
        Bytes samples;
        Bytes packed;
    };
    const Case cases[] = {
        {{}, {}},
        {{128, 16, 200}, {0x90, 0xF0}},
        {{200, 100}, {0xF5}},
        {{128, 16, 255, 255}, {0x90, 0x90}},
        {{255}, {0x00}},           // starting held codes
        {{255, 255}, {0x00}},
        {{200, 100, 255}, {0xF5, 0xF5}},  // low nibble of the last byte is the held low code
        {{0, 254, 40, 180}, {0x0F, 0x1F}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PackInBlocks(c.samples, {1 << 16}), c.packed) << "samples " << Hex(c.samples);
}

TEST(SamplePacker, AnyBlockSplitGivesTheByteAtATimeResult)
{
    const std::vector<std::vector<std::size_t>> splits = {
        {1}, {2}, {3}, {7}, {1, 2}, {3, 1, 4, 1, 5, 9, 2, 6}, {65535}, {65536}, {4095, 1, 4097},
    };
    for (std::size_t count : {0u, 1u, 2u, 3u, 1001u, 65537u, 131072u + 3}) {
        const Bytes samples = PseudoRandomBytes(count, static_cast<std::uint32_t>(count));
        const Bytes expected = ModelPacked(samples);
        ASSERT_EQ(expected.size(), (count + 1) / 2);
        for (const auto& split : splits)
            EXPECT_EQ(PackInBlocks(samples, split), expected) << count << " samples, first block " << split[0];
    }
}
