#include <gtest/gtest.h>

#include <vector>

#include "support/assert_counter.h"
#include "support/scripted_random_source.h"

namespace {

// The same seed gives the same numbers, another seed others; over a fixed seed's two million
// draws both ends of the 15 bits are reached and the mean sits in the middle.
TEST(RandomSource, TheDefaultSourceRepeatsPerSeedAndSpreadsOverFifteenBits) {
    CDefaultRandomSource a(7), b(7), c(8);
    std::vector<int> va, vb, vc;
    for (int i = 0; i < 64; ++i) {
        va.push_back(a.Next());
        vb.push_back(b.Next());
        vc.push_back(c.Next());
    }
    EXPECT_EQ(va, vb);
    EXPECT_NE(va, vc);
    CDefaultRandomSource source(12345);
    bool bSawZero = false, bSawMax = false;
    long long nSum = 0;
    constexpr int kDraws = 2'000'000;
    for (int i = 0; i < kDraws; ++i) {
        const int r = source.Next();
        bSawZero |= r == 0;
        bSawMax |= r == RAND_MAX_15;
        nSum += r;
    }
    EXPECT_TRUE(bSawZero && bSawMax);
    EXPECT_NEAR(static_cast<double>(nSum) / kDraws, RAND_MAX_15 / 2.0, 50.0);
}

TEST(RandomSource, AScriptedSourceServesItsScopeIgnoresSeedsAndReportsRunningDry) {
    CScriptedRandomSource scripted{5, 32767};
    {
        CRandomSourceScope scope(&scripted);
        AfxSeedRand(99);
        EXPECT_EQ(AfxRand(), 5);
        EXPECT_EQ(AfxRand(), 32767);
        CAssertCounter asserts;
        EXPECT_EQ(AfxRand(), 0);
        EXPECT_EQ(asserts.Count(), 1);
    }
    AfxRand();  // back on the built-in source
    EXPECT_EQ(scripted.Taken(), 2);
}

}  // namespace
