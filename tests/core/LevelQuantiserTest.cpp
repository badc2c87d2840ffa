#include <gtest/gtest.h>

#include "LevelQuantiser.h"

TEST(FindBand, WorkedValues)
{
    struct Case {
        int value;
        int band;
    };
    const Case cases[] = {{0, 0},    {39, 0},   {40, 1},   {124, 8},  {125, 9},  {128, 9},
                          {134, 10}, {135, 11}, {179, 14}, {180, 15}, {254, 15}};
    for (const Case& c : cases) {
        const auto band = FindBand(c.value);
        ASSERT_TRUE(band.has_value()) << "value " << c.value;
        EXPECT_EQ(*band, c.band) << "value " << c.value;
    }
}

TEST(FindBand, EveryByteBelow255HasExactlyOneBandAnd255HasNone)
{
    int previous = 0;
    for (int value = 0; value <= 254; ++value) {
        const auto band = FindBand(value);
        ASSERT_TRUE(band.has_value()) << "value " << value;
        // Bands are contiguous and ascending: a code never drops or skips.
        EXPECT_TRUE(*band == previous || *band == previous + 1) << "value " << value << " band " << int(*band);
        previous = *band;
    }
    EXPECT_EQ(previous, 15);
    EXPECT_FALSE(FindBand(255).has_value());
    EXPECT_FALSE(FindBand(-1).has_value());
    EXPECT_FALSE(FindBand(256).has_value());
}

TEST(FindBand, BoundaryPairsFallIntoNeighbouringBands)
{
    const int lastOfBand[] = {39, 59, 74, 84, 94, 104, 114, 119, 124, 129, 134, 144, 154, 164, 179};
    for (int band = 0; band < 15; ++band) {
        EXPECT_EQ(FindBand(lastOfBand[band]), band) << "value " << lastOfBand[band];
        EXPECT_EQ(FindBand(lastOfBand[band] + 1), band + 1) << "value " << lastOfBand[band] + 1;
    }
}

TEST(LevelQuantiser, ByteInNoBandRepeatsTheHeldCode)
{
    LevelQuantiser quantiser;
    EXPECT_EQ(quantiser.Quantise(255), LevelQuantiser::kStartingHeldCode);
    EXPECT_EQ(quantiser.Quantise(200), 15);
    EXPECT_EQ(quantiser.Quantise(255), 15);
    EXPECT_EQ(quantiser.Quantise(255), 15);
    EXPECT_EQ(quantiser.Quantise(100), 5);
    EXPECT_EQ(quantiser.Quantise(255), 5);
}

TEST(LevelQuantiser, PositionsHoldIndependently)
{
    LevelQuantiser high;
    LevelQuantiser low;
    EXPECT_EQ(high.Quantise(200), 15);
    EXPECT_EQ(low.Quantise(0), 0);
    EXPECT_EQ(high.Quantise(255), 15);
    EXPECT_EQ(low.Quantise(255), 0);
}

TEST(LevelQuantiser, StartingHeldCodeIsZero)
{
    EXPECT_EQ(LevelQuantiser().HeldCode(), 0);
}
