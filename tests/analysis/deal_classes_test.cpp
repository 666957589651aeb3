#include "analysis/deal_classes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "analysis/card_code.h"

namespace {

// A deal as its four sets of ranks, one per suit (renamed by arrSuitOf), packed 13 bits each.
std::uint64_t RankSets(const std::array<int, 5>& arrCodes, const std::array<int, 4>& arrSuitOf) {
    std::uint64_t nSets = 0;
    for (int nCode : arrCodes) nSets |= std::uint64_t{1} << (13 * arrSuitOf[nCode % 4] + nCode / 4);
    return nSets;
}

// Each class is five different cards in ascending order; its size is the number of different
// deals its suit renamings give; no two listed deals are renamings of each other; the sizes add
// up to every deal.
TEST(DealClassesTest, TheClassesAreTheSuitOrbitsOfAllDeals) {
    const std::vector<CDealClass>& classes = DealClasses();
    EXPECT_EQ(classes.size(), 134459u);
    std::array<int, 4> arrSuitOf = {0, 1, 2, 3};
    std::vector<std::array<int, 4>> vecRenamings;
    do vecRenamings.push_back(arrSuitOf);
    while (std::next_permutation(arrSuitOf.begin(), arrSuitOf.end()));

    long nDeals = 0;
    std::vector<std::uint64_t> vecClassKeys;
    for (const CDealClass& c : classes) {
        ASSERT_TRUE(c.arrCodes[0] >= 0 && c.arrCodes[4] < CARD_CODES);
        ASSERT_TRUE(std::is_sorted(c.arrCodes.begin(), c.arrCodes.end()));
        ASSERT_EQ(std::adjacent_find(c.arrCodes.begin(), c.arrCodes.end()), c.arrCodes.end());
        std::array<std::uint64_t, 24> arrImages{};
        for (size_t i = 0; i < vecRenamings.size(); ++i)
            arrImages[i] = RankSets(c.arrCodes, vecRenamings[i]);
        std::sort(arrImages.begin(), arrImages.end());
        const long nDistinct = std::unique(arrImages.begin(), arrImages.end()) - arrImages.begin();
        ASSERT_EQ(nDistinct, c.nDeals);
        nDeals += c.nDeals;
        vecClassKeys.push_back(arrImages[nDistinct - 1]);  // the largest image stands for the class
    }
    EXPECT_EQ(nDeals, 2598960L);
    std::sort(vecClassKeys.begin(), vecClassKeys.end());
    EXPECT_EQ(std::adjacent_find(vecClassKeys.begin(), vecClassKeys.end()), vecClassKeys.end())
        << "a class is listed twice";
}

}  // namespace
