// Each family read from its description: the hands of its whole deck per category, against
// counts worked out by hand (kinds, kickers and pairs by counting ranks and suits; Deuces Wild's
// as published; Joker Poker's by trying the joker as each of the 52 cards in a separate,
// naive count), casino rules (A-2-3-4-5 a straight).
#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "games/family.h"

namespace {

// Beside Jacks or Better's top and bottom lines.
constexpr long kRoyal = 4, kStraightFlush = 36, kFullHouse = 3744, kFlush = 5108, kStraight = 10200,
               kThree = 54912, kTwoPair = 123552;
// A pair of one rank with three other ranks: 6 pairs x C(12, 3) x 4^3.
constexpr long kPairOfOneRank = 6 * 220 * 64;

TEST(FamilyTest, EveryFamilyCountsItsWholeDeckAsWorkedOutByHand) {
    const struct {
        const char* pszKey;
        std::vector<long> vecCounts;  // by category, then the losing hands
    } kCases[] = {
        {"jacks",
         {kRoyal, kStraightFlush, 624, kFullHouse, kFlush, kStraight, kThree, kTwoPair,
          4 * kPairOfOneRank, 2062860}},
        {"tens",
         {kRoyal, kStraightFlush, 624, kFullHouse, kFlush, kStraight, kThree, kTwoPair,
          5 * kPairOfOneRank, 1978380}},
        // Four of a kind of a rank: 48 kickers; of a rank with kickers of three other ranks: 12.
        {"bonus",
         {kRoyal, kStraightFlush, 48, 3 * 48, 9 * 48, kFullHouse, kFlush, kStraight, kThree,
          kTwoPair, 4 * kPairOfOneRank, 2062860}},
        {"aces-and-faces",
         {kRoyal, kStraightFlush, 48, 3 * 48, 9 * 48, kFullHouse, kFlush, kStraight, kThree,
          kTwoPair, 4 * kPairOfOneRank, 2062860}},
        {"super-double-bonus",
         {kRoyal, kStraightFlush, 48, 3 * 48, 3 * 48, 6 * 48, kFullHouse, kFlush, kStraight, kThree,
          kTwoPair, 4 * kPairOfOneRank, 2062860}},
        {"double-double-bonus",
         {kRoyal, kStraightFlush, 12, 3 * 12, 48 - 12, 3 * 48 - 3 * 12, 9 * 48, kFullHouse, kFlush,
          kStraight, kThree, kTwoPair, 4 * kPairOfOneRank, 2062860}},
        {"double-jackpot",
         {kRoyal, kStraightFlush, 12, 48 - 12, 3 * 12, 3 * 48 - 3 * 12, 9 * 48, kFullHouse, kFlush,
          kStraight, kThree, kTwoPair, 4 * kPairOfOneRank, 2062860}},
        {"triple-bonus",
         {kRoyal, kStraightFlush, 48, 3 * 48, 9 * 48, kFullHouse, kFlush, kStraight, kThree,
          kTwoPair, 2 * kPairOfOneRank, 2231820}},
        {"deuces", {4, 48, 480, 624, 2068, 31552, 12672, 14472, 62232, 355080, 2119728}},
        {"joker", {4, 13, 20, 180, 3120, 6552, 7804, 20532, 137280, 123552, 262956, 2307672}},
    };
    ASSERT_EQ(std::size(kCases), Families().size()) << "a family without its counts";
    for (const auto& c : kCases) {
        const CFamily* pFamily = FindFamily(c.pszKey);
        ASSERT_NE(pFamily, nullptr) << c.pszKey;
        ASSERT_EQ(static_cast<int>(c.vecCounts.size()), pFamily->CategoryCount() + 1) << c.pszKey;
        std::vector<long> vecCounts(c.vecCounts.size());
        const int n = pFamily->nCards;
        int arrCodes[5];
        for (arrCodes[0] = 0; arrCodes[0] < n; ++arrCodes[0])
            for (arrCodes[1] = arrCodes[0] + 1; arrCodes[1] < n; ++arrCodes[1])
                for (arrCodes[2] = arrCodes[1] + 1; arrCodes[2] < n; ++arrCodes[2])
                    for (arrCodes[3] = arrCodes[2] + 1; arrCodes[3] < n; ++arrCodes[3])
                        for (arrCodes[4] = arrCodes[3] + 1; arrCodes[4] < n; ++arrCodes[4]) {
                            const int nCategory = ClassifyHand(*pFamily, kCasinoRules, arrCodes);
                            ++vecCounts[nCategory == NO_CATEGORY
                                            ? vecCounts.size() - 1
                                            : static_cast<std::size_t>(nCategory)];
                        }
        EXPECT_EQ(vecCounts, c.vecCounts) << c.pszKey;
        EXPECT_EQ(std::accumulate(c.vecCounts.begin(), c.vecCounts.end(), 0L),
                  n == 53 ? 2869685L : 2598960L)
            << c.pszKey << ": the worked-out counts do not cover the deck";
    }
}

// The fifth card decides a kicker category; a hand missing a card has no kicker, and a joker
// beside four of a kind stands for the kicker that pays most.
TEST(FamilyTest, KickersAndMissingCardsAndTheJoker) {
    constexpr int A = 14, K = 13, Q = 12;
    const auto code = [](int nRank, int nSuit) { return (nRank - 2) * 4 + nSuit; };
    const struct {
        const char* pszKey;
        std::vector<int> vecCodes;
        const char* pszCategory;  // "" for a losing hand
    } kCases[] = {
        {"double-double-bonus",
         {code(A, 0), code(A, 1), code(A, 2), code(A, 3), code(3, 0)},
         "4 Aces w/ 2-4"},
        {"double-double-bonus",
         {code(A, 0), code(A, 1), code(A, 2), code(A, 3), code(5, 0)},
         "4 Aces"},
        {"double-double-bonus", {code(A, 0), code(A, 1), code(A, 2), code(A, 3), -1}, "4 Aces"},
        {"double-double-bonus",
         {code(3, 0), code(3, 1), code(3, 2), code(3, 3), code(A, 0)},
         "4 2-4 w/ A-4"},
        {"double-jackpot",
         {code(K, 0), code(K, 1), code(K, 2), code(K, 3), code(Q, 0)},
         "4 J-K w/ J-A"},
        {"double-jackpot",
         {code(K, 0), code(K, 1), code(K, 2), code(K, 3), code(9, 0)},
         "4 of a Kind (J-K)"},
        {"joker", {code(K, 0), code(7, 1), code(5, 2), code(3, 3), JOKER_CODE}, "Kings or Better"},
        {"joker", {code(Q, 0), code(9, 1), code(5, 2), code(3, 3), JOKER_CODE}, ""},
        {"joker", {code(A, 0), code(A, 1), code(A, 2), code(A, 3), JOKER_CODE}, "5 of a Kind"},
        {"joker",
         {code(A, 2), code(K, 2), code(Q, 2), code(10, 2), JOKER_CODE},
         "Royal Flush w/Joker"},
        {"jacks", {code(A, 0), code(A, 1), code(K, 2), code(Q, 3), JOKER_CODE}, "Pair"},
    };
    for (const auto& c : kCases) {
        const CFamily& family = *FindFamily(c.pszKey);
        EXPECT_STREQ(family.CategoryName(ClassifyHand(family, kCasinoRules, c.vecCodes.data())),
                     c.pszCategory)
            << c.pszKey << " " << c.pszCategory;
    }
}

// A pay table must pay a hand at least what each of its readings pays: the readings follow from
// the categories. Those the old hand-written lists missed or had wrong are pinned here.
TEST(FamilyTest, ReadingsFollowFromTheCategories) {
    const auto reads = [](const char* pszKey, int nHigher, int nLower) {
        for (const CCategoryReading& reading : FindFamily(pszKey)->Readings())
            if (reading.nHigher == nHigher && reading.nLower == nLower) return true;
        return false;
    };
    EXPECT_TRUE(reads("deuces", 5, 7)) << "2-2-2-5h-Kh is 4 of a Kind and a Flush";
    EXPECT_TRUE(reads("deuces", 5, 8)) << "2-2-2-5-9 is 4 of a Kind and a Straight";
    EXPECT_FALSE(reads("bonus", 3, 10)) << "four 2s, 3s or 4s are never a pair of jacks";
    EXPECT_TRUE(reads("double-double-bonus", 2, 4)) << "4 aces with a 3 are 4 aces";
    EXPECT_TRUE(reads("joker", 1, 4)) << "five of a kind is four of a kind";
    EXPECT_FALSE(reads("jacks", 2, 3));
}

}  // namespace
