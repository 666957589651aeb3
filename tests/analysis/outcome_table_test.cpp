// The category counts of a hold against the draws counted one by one, and against hand counts.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>

#include "analysis/outcome_table.h"
#include "analyzers.h"
#include "games/game_factory.h"
#include "games/game_variants.h"
#include "support/test_cards.h"

namespace {

// Every draw of the hold scored by the game itself.
CHoldOutcomes BruteForce(const COutcomeTable& table, int nGame, const CPayTable& payTable, int nBet,
                         const CTestCards& cards, const std::array<int, 5>& arrDeal, int nMask) {
    std::vector<int> vecHeld, vecUnseen;
    for (int i = 0; i < 5; ++i)
        if ((nMask >> i) & 1) vecHeld.push_back(arrDeal[static_cast<size_t>(i)]);
    for (int c = 0; c < table.GetCards(); ++c)
        if (std::find(arrDeal.begin(), arrDeal.end(), c) == arrDeal.end()) vecUnseen.push_back(c);
    const int nDraw = 5 - static_cast<int>(vecHeld.size());
    CHoldOutcomes result;
    std::vector<int> vecPick(static_cast<size_t>(nDraw));
    for (int i = 0; i < nDraw; ++i) vecPick[static_cast<size_t>(i)] = i;
    CCardArray arrFive;
    arrFive.SetSize(5);
    CHand hand(&arrFive);
    for (;;) {
        for (int i = 0; i < 5; ++i) {
            const int nCode = i < static_cast<int>(vecHeld.size())
                                  ? vecHeld[static_cast<size_t>(i)]
                                  : vecUnseen[static_cast<size_t>(vecPick[i - vecHeld.size()])];
            hand.SetCard(i, nCode == JOKER_CODE
                                ? cards.Joker()
                                : cards.Get(CardCodeSuit(nCode), CardCodeRank(nCode)));
        }
        const auto pGame = CreateGame(nGame, &hand, &payTable, nBet);
        const std::string strName = pGame->GetName();
        int c = 0;
        while (c + 1 < table.GetCategoryCount() && table.GetCategoryName(c) != strName) ++c;
        ++result.arrCounts[static_cast<size_t>(c)];
        result.nPaySum += pGame->GetPayout();
        result.nPaySquareSum += pGame->GetPayout() * pGame->GetPayout();
        ++result.nDraws;
        int k = nDraw - 1;
        while (k >= 0 && vecPick[k] == static_cast<int>(vecUnseen.size()) - nDraw + k) --k;
        if (k < 0) break;
        ++vecPick[k];
        for (int j = k + 1; j < nDraw; ++j) vecPick[j] = vecPick[j - 1] + 1;
    }
    return result;
}

// Holds whose draws make every category of their game; the counts of Jacks or Better's four to
// a royal, worked out by hand, are the coach's exact figures.
TEST(OutcomeTableTest, CountsMatchEveryDrawAndTheAnalyzersPays) {
    const CPayTable& jacks96 = Library(GetFamily("jacks"), "9/6");
    const CPayTable& deuces = Library(GetFamily("deuces"), "not-so-ugly");
    const CPayTable& joker = Library(GetFamily("joker"), "20/7");
    const std::tuple<int, const char*, int, const CPayTable*, int> kCases[] = {
        {GAME_JACKS_OR_BETTER, "As Ks 7d 4c 2h", 0b00011, nullptr, 1},
        {GAME_JACKS_OR_BETTER, "Jh 9c Jd 3s 3h", 0b11111, nullptr, 1},
        {GAME_JACKS_OR_BETTER, "Qc 5d 8h 10c 6s", 0b00001, nullptr, 1},
        {GAME_JACKS_OR_BETTER, "As 4s 3s 2d Kc", 0b00111, &jacks96, 5},  // to a wheel flush
        {GAME_JACKS_OR_BETTER, "As Ks 3s 2d Kc", 0b00011, &jacks96, 4},
        {GAME_DUCES_WILD, "2c 7h 2d 8s Kd", 0b00101, nullptr, 1},
        {GAME_DUCES_WILD, "2s 5s 6s 7s 9h", 0b01111, nullptr, 1},
        {GAME_DUCES_WILD, "2s 5s 3s Ad 9h", 0b01111, &deuces, 5},
        {GAME_DOUBLE_BONUS, "Ac Ad 9c Ah 5s", 0b01011, nullptr, 1},
        {GAME_DOUBLE_BONUS, "3c 3d 3h 4s Jd", 0b00111, nullptr, 1},
        // 53 cards: the draws come from the 48 not dealt, the joker's among them or held.
        {GAME_DUCES_WILD, "Jk Kh 7d 4c 2h", 0b00011, &joker, 5},
        {GAME_DUCES_WILD, "As Ks 7d 4c 2h", 0b00011, &joker, 5},
    };
    const CTestCards cards;
    for (const auto& [nGame, pszDeal, nMask, pTable, nBet] : kCases) {
        SCOPED_TRACE(std::string(pszDeal) + " mask " + std::to_string(nMask));
        const CPayTable& payTable = pTable != nullptr ? *pTable : AsBuiltPayTable(nGame);
        const COutcomeTable& table = Counts(payTable);
        const std::array<int, 5> arrDeal = Codes(pszDeal);
        std::array<CHoldOutcomes, 32> arrHolds;
        ASSERT_TRUE(table.CountHolds(arrDeal, payTable, nBet, arrHolds));
        const CHoldOutcomes& hold = arrHolds[static_cast<size_t>(nMask)];
        const CHoldOutcomes brute = BruteForce(table, nGame, payTable, nBet, cards, arrDeal, nMask);
        EXPECT_EQ(hold.arrCounts, brute.arrCounts);
        EXPECT_EQ(hold.nDraws, brute.nDraws);
        EXPECT_EQ(hold.nPaySum, brute.nPaySum);
        EXPECT_EQ(hold.nPaySquareSum, brute.nPaySquareSum);
        // The independent count and the engine agree on every hold's pay.
        const CHoldAnalyzer& oracle =
            pTable != nullptr ? StandardAnalyzer(nGame) : GameAnalyzer(nGame);
        if (pTable == nullptr || (pTable == &jacks96 && nBet == 5)) {  // 52 cards only
            for (const COracleHold& value : oracle.AnalyzeDeal(arrDeal))
                EXPECT_EQ(arrHolds[static_cast<size_t>(value.nHoldMask)].nPaySum, value.nPaySum)
                    << value.nHoldMask;
        }
    }
}

}  // namespace
