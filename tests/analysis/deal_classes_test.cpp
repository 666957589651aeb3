#include "analysis/deal_classes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <vector>

#include "analysis/card_code.h"

namespace {

// A deal as its four sets of ranks, one per suit (renamed by arrSuitOf), packed 13 bits each.
std::uint64_t RankSets(const std::array<int, 5>& arrCodes, const std::array<int, 4>& arrSuitOf) {
    std::uint64_t nSets = 0;
    for (int nCode : arrCodes) nSets |= std::uint64_t{1} << (13 * arrSuitOf[nCode % 4] + nCode / 4);
    return nSets;
}

class DealClassesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_vecClasses = DealClasses(); }
    static std::vector<CDealClass> s_vecClasses;
};
std::vector<CDealClass> DealClassesTest::s_vecClasses;

TEST_F(DealClassesTest, CountIsTheNumberOfSuitDistinctDeals) {
    EXPECT_EQ(s_vecClasses.size(), 134459u);
    const long nDeals = std::accumulate(s_vecClasses.begin(), s_vecClasses.end(), 0L,
                                        [](long n, const CDealClass& c) { return n + c.nDeals; });
    EXPECT_EQ(nDeals, 2598960L);
}

TEST_F(DealClassesTest, EachDealIsFiveDifferentCardsInAscendingOrder) {
    for (const CDealClass& c : s_vecClasses) {
        for (int i = 0; i < 5; ++i) {
            ASSERT_GE(c.arrCodes[i], 0);
            ASSERT_LT(c.arrCodes[i], CARD_CODES);
            if (i > 0) {
                ASSERT_LT(c.arrCodes[i - 1], c.arrCodes[i]);
            }
        }
    }
}

// The size of a class is the number of different deals its suit renamings give, and no two
// listed deals are renamings of each other.
TEST_F(DealClassesTest, SizesAreOrbitsAndNoClassRepeats) {
    std::array<int, 4> arrSuitOf = {0, 1, 2, 3};
    std::vector<std::array<int, 4>> vecRenamings;
    do vecRenamings.push_back(arrSuitOf);
    while (std::next_permutation(arrSuitOf.begin(), arrSuitOf.end()));

    std::vector<std::uint64_t> vecClassKeys;
    for (const CDealClass& c : s_vecClasses) {
        std::array<std::uint64_t, 24> arrImages{};
        for (size_t i = 0; i < vecRenamings.size(); ++i)
            arrImages[i] = RankSets(c.arrCodes, vecRenamings[i]);
        std::sort(arrImages.begin(), arrImages.end());
        const long nDistinct = std::unique(arrImages.begin(), arrImages.end()) - arrImages.begin();
        ASSERT_EQ(nDistinct, c.nDeals);
        // The largest image stands for the class.
        vecClassKeys.push_back(arrImages[nDistinct - 1]);
    }
    std::sort(vecClassKeys.begin(), vecClassKeys.end());
    EXPECT_EQ(std::adjacent_find(vecClassKeys.begin(), vecClassKeys.end()), vecClassKeys.end())
        << "a class is listed twice";
}

}  // namespace
