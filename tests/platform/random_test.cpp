#include "support/scripted_random_source.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/assert_counter.h"

namespace {

TEST(RandomSource, DefaultYieldsFifteenBitNumbersReachingBothEnds) {
    CDefaultRandomSource source(12345);
    bool bSawZero = false;
    bool bSawMax = false;
    long long nSum = 0;
    constexpr int kDraws = 2'000'000;
    for (int i = 0; i < kDraws; ++i) {
        const int r = source.Next();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, RAND_MAX_15);
        bSawZero |= r == 0;
        bSawMax |= r == RAND_MAX_15;
        nSum += r;
    }
    EXPECT_TRUE(bSawZero);
    EXPECT_TRUE(bSawMax);
    EXPECT_NEAR(static_cast<double>(nSum) / kDraws, RAND_MAX_15 / 2.0, 50.0);
}

TEST(RandomSource, SameSeedSameSequenceOtherSeedOtherSequence) {
    CDefaultRandomSource a(7), b(7), c(8);
    std::vector<int> va, vb, vc;
    for (int i = 0; i < 64; ++i) {
        va.push_back(a.Next());
        vb.push_back(b.Next());
        vc.push_back(c.Next());
    }
    EXPECT_EQ(va, vb);
    EXPECT_NE(va, vc);
}

TEST(RandomSource, ScriptedSourceIsInstalledForAScopeAndRestored) {
    CScriptedRandomSource scripted{5, 32767, 0};
    {
        CRandomSourceScope scope(&scripted);
        AfxSeedRand(99);  // a scripted source ignores seeding
        EXPECT_EQ(AfxRand(), 5);
        EXPECT_EQ(AfxRand(), 32767);
        EXPECT_EQ(AfxRand(), 0);
        EXPECT_EQ(scripted.Taken(), 3);
    }
    // Back on the built-in source: numbers keep coming, none from the script.
    for (int i = 0; i < 10; ++i) EXPECT_LE(AfxRand(), RAND_MAX_15);
    EXPECT_EQ(scripted.Taken(), 3);
}

TEST(RandomSource, ScriptedSourceRunningDryIsReported) {
    CAssertCounter asserts;
    CScriptedRandomSource scripted;
    EXPECT_EQ(scripted.Next(), 0);
    EXPECT_EQ(asserts.Count(), 1);
}

}  // namespace
