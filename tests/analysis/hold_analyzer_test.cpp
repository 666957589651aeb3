#include "analysis/outcome_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <sstream>
#include <string>
#include <tuple>

#include "analysis/card_code.h"
#include "analyzers.h"
#include "games/game.h"
#include "games/game_variants.h"
#include "support/assert_counter.h"
#include "support/test_cards.h"

namespace {

// One test over the table of deals: each case shares the variant tables built for the rest.
TEST(HoldAnalyzerTest, BestHoldOfKnownDealsIsTheKnownPlay) {
    const std::tuple<int, const char*, int, const char*> kCases[] = {
        // variant, deal, best, why
        {GAME_JACKS_OR_BETTER, "Jh Qh Kh 10h 2c", 0b01111, "four to a royal"},
        {GAME_JACKS_OR_BETTER, "10h Jh Qh Kh 3h", 0b01111,
         "a made flush is broken for four to a royal (369/47 against 6)"},
        {GAME_JACKS_OR_BETTER, "Jc 4h Jd 7s 9c", 0b00101, "a pair of jacks"},
        {GAME_JACKS_OR_BETTER, "Ac 2d 3h 4s 9c", 0b00001,
         "A-2-3-4 is no straight draw here: the ace alone"},
        {GAME_JACKS_OR_BETTER, "2c 2d 2h 2s Kc", 0b11111,
         "four of a kind pays the same whatever the fifth card: keep all five"},
        {GAME_DUCES_WILD, "2c 2d 7s 9h Kd", 0b00011, "two deuces alone"},
        {GAME_DUCES_WILD, "9c 9d Kh Ks 4c", 0b00011, "two pair pays nothing: keep one pair"},
        {GAME_DOUBLE_BONUS, "Ac Ad Ah 5s 5c", 0b00111,
         "three aces beat the full house: four aces pay 160"},
        {GAME_BONUS, "Ac Ad Ah 5s 5c", 0b11111, "in Bonus four aces pay 80: keep the full house"},
    };
    for (const auto& [nGame, pszDeal, nBestMask, pszWhy] : kCases) {
        SCOPED_TRACE(std::string(pszDeal) + ": " + pszWhy);
        const CPayTable& table = AsBuiltPayTable(nGame);
        // The engine and the independent count agree.
        EXPECT_EQ(Counts(table).BestHold(Codes(pszDeal), table, 1).nHoldMask, nBestMask);
        EXPECT_EQ(GameAnalyzer(nGame).AnalyzeDeal(Codes(pszDeal)).front().nHoldMask, nBestMask);
    }
}

TEST(HoldAnalyzerTest, ADealThatIsNotFiveDifferentCardsGetsNothing) {
    const CPayTable& table = AsBuiltPayTable(GAME_JACKS_OR_BETTER);
    const std::array<int, 5> arrBadCodes[] = {
        Codes("Ah Ah 3c 4d 5s"), Codes("Ah 2h 3c 4d"), {0, 1, 2, 3, 52}, {-1, 1, 2, 3, 4}};
    for (const std::array<int, 5>& arrCodes : arrBadCodes) {
        CAssertCounter asserts;
        EXPECT_TRUE(Counts(table).RankHolds(arrCodes, table, 1).empty());
        const CHoldValue best = Counts(table).BestHold(arrCodes, table, 1);
        EXPECT_EQ(best.nDraws, 0);
        EXPECT_EQ(best.nHoldMask, 0);
        EXPECT_EQ(asserts.Count(), 2);
    }
}

}  // namespace
