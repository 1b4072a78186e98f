#include "JC_DataManager/Control/JC_Random.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Whether a call drew from rand: the next value tells.
template <typename Call>
bool Draws(Call call)
{
    std::srand(77);
    const int iFirst = std::rand();
    std::srand(77);
    call();
    return std::rand() != iFirst;
}

// Chance through a fixed draw of Random(max).
class FixedDraw : public JC_Random
{
public:
    explicit FixedDraw(int iDraw) : m_iDraw(iDraw) {}
    int Random(int iMax) override { return iMax == 99 ? m_iDraw : 0; }
    using JC_Random::Random;

private:
    int m_iDraw;
};

TEST(Random, KeepsItsLimitsWithoutDrawing)
{
    JC_Random random;
    EXPECT_FALSE(Draws([&] { EXPECT_EQ(random.Random(30001), 0); }));
    EXPECT_FALSE(Draws([&] { EXPECT_EQ(random.Random(-1), 0); }));
    EXPECT_FALSE(Draws([&] { EXPECT_EQ(random.Random(-15001, 0), 0); }));
    EXPECT_FALSE(Draws([&] { EXPECT_EQ(random.Random(0, 15001), 0); }));
    // A maximum below the minimum would divide by zero or less.
    EXPECT_FALSE(Draws([&] { EXPECT_EQ(random.Random(5, 4), 0); }));
    EXPECT_FALSE(Draws([&] { EXPECT_EQ(random.Chance(0), 0); }));
    EXPECT_TRUE(Draws([&] { random.Random(0); }));
    EXPECT_TRUE(Draws([&] { random.Random(-15000, 15000); }));
}

TEST(Random, StaysWithinItsBounds)
{
    JC_Random random;
    std::srand(5);
    bool bSawLowest = false;
    bool bSawHighest = false;
    for (int i = 0; i < 20000; ++i) {
        const int iValue = random.Random(-3, 3);
        ASSERT_GE(iValue, -3);
        ASSERT_LE(iValue, 3);
        bSawLowest |= iValue == -3;
        bSawHighest |= iValue == 3;
        const int iLarge = random.Random(30000);
        ASSERT_GE(iLarge, 0);
        ASSERT_LE(iLarge, 30000);
    }
    EXPECT_TRUE(bSawLowest && bSawHighest);
}

TEST(Random, ChanceComparesTheDrawPlusOne)
{
    EXPECT_EQ(FixedDraw(0).Chance(1), 1);
    EXPECT_EQ(FixedDraw(1).Chance(1), 0);
    EXPECT_EQ(FixedDraw(99).Chance(100), 1);
    EXPECT_EQ(FixedDraw(99).Chance(99), 0);
    EXPECT_EQ(FixedDraw(0).Chance(-5), 0);
    EXPECT_EQ(FixedDraw(99).Chance(250), 1);
}

} // namespace
