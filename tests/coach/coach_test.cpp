// The coach over scripted sessions at a real table: deals, holds and draws chosen card by card,
// figures worked out by hand. Four to a royal in Jacks or Better draws 47 cards: 1 royal flush
// (250), 1 straight flush (50), 7 flushes (6), 6 straights (4), 9 high pairs (1) and 23 losers,
// so it pays 375/47 per coin, and its pays squared add up to 65357.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/outcome_cache.h"
#include "coach/coach.h"
#include "games/game.h"
#include "games/pay_table_library.h"
#include "table/table_fixture.h"

namespace {

constexpr int kFourToRoyal = 0b01111;

class CoachTest : public TableTest {
protected:
    CoachTest() { dlg.SetObserver(&coach); }
    ~CoachTest() override { dlg.SetObserver(nullptr); }

    static std::shared_ptr<const COutcomeTable> JacksTable() {
        return SharedOutcomeTable(EFamily::JacksOrBetter, kAsBuiltRules);
    }

    // A deal of four to a royal, the holds clicked, then each hand in play drawing its card.
    void Play(int nMask, const std::vector<std::string>& vecLastCards) {
        ScriptDeal("Jh Qh Kh 10h 2c");
        host.Click(IDC_DEAL);
        for (int i = 0; i < 5; ++i)
            if ((nMask >> i) & 1) host.Click(IDC_HOLDS[i]);
        std::vector<std::string> vecDraws;
        for (const std::string& strLast : vecLastCards) vecDraws.push_back("- - - - " + strLast);
        ScriptDraw(vecDraws);
        host.Click(IDC_DRAW);
    }

    CCoach coach;
};

TEST_F(CoachTest, OverTheHandsInPlayTheCategoriesWinAndDeviations) {
    coach.SetTable(JacksTable());
    SpinTo(IDC_SPIN_HANDS, 2);
    Play(kFourToRoyal, {"Ah", "3c"});
    const std::optional<COverHandsFigures> over = coach.GetOverHandsFigures();
    ASSERT_TRUE(over.has_value());
    ASSERT_EQ(over->vecCategories.size(), 10u);
    EXPECT_EQ(over->vecCategories[0].strName, "Royal Flush");
    EXPECT_EQ(over->vecCategories[0].probability, CFraction(1, 47));
    EXPECT_EQ(over->vecCategories[0].expectedHands, CFraction(2, 47));
    EXPECT_EQ(over->vecCategories[0].nActualHands, 1);
    EXPECT_EQ(over->vecCategories[8].expectedHands, CFraction(18, 47));
    EXPECT_EQ(over->vecCategories[9].strName, "");
    EXPECT_EQ(over->vecCategories[9].nActualHands, 1);
    EXPECT_EQ(over->meanPay, CFraction(375, 47));
    EXPECT_EQ(over->expectedWin, CFraction(750, 47));
    const double dSigma = std::sqrt(47.0 * 65357 - 375.0 * 375) / 47;
    EXPECT_DOUBLE_EQ(over->dPayDeviation, dSigma);
    EXPECT_DOUBLE_EQ(over->dWinDeviation, std::sqrt(2.0) * dSigma);
    EXPECT_EQ(over->nWon, 250);
    ASSERT_TRUE(over->dDeviations.has_value());
    EXPECT_DOUBLE_EQ(*over->dDeviations, (250 - 750.0 / 47) / (std::sqrt(2.0) * dSigma));
}

// The deal keeps the pay table it was played by: at 5 coins on Jacks or Better 9/6 the royal
// pays 800 per coin, and the coach asks for the casino rules' counts.
TEST_F(CoachTest, FiguresFollowThePayTableAndBetOfTheDeal) {
    ASSERT_TRUE(dlg.SetPayTable(GAME_JACKS_OR_BETTER,
                                FindLibraryPayTable(EFamily::JacksOrBetter, 0, "9/6")->table));
    EXPECT_EQ(coach.GetNeededTable(), (COutcomeKey{EFamily::JacksOrBetter, kCasinoRules}));
    coach.SetTable(SharedOutcomeTable(EFamily::JacksOrBetter, kCasinoRules));
    SpinTo(IDC_SPIN_HANDS, 1);
    SpinTo(IDC_SPIN_BET, 5);
    Play(kFourToRoyal, {"Ah"});
    const std::optional<COverHandsFigures> over = coach.GetOverHandsFigures();
    ASSERT_TRUE(over.has_value());
    EXPECT_EQ(over->meanPay, CFraction(925, 47));
    EXPECT_EQ(over->expectedWin, CFraction(925 * 5, 47));
    EXPECT_EQ(over->nWon, 4000);
}

TEST_F(CoachTest, ASessionAddsUpToTheCoinAndWaitsForItsTable) {
    // Deal 1: 2 hands at 1 coin hold four to a royal; one draws the royal, one nothing.
    SpinTo(IDC_SPIN_HANDS, 2);
    Play(kFourToRoyal, {"Ah", "3c"});
    EXPECT_EQ(coach.GetNeededTable(), (COutcomeKey{EFamily::JacksOrBetter, kAsBuiltRules}));
    EXPECT_FALSE(coach.GetDealFigures().has_value());
    EXPECT_EQ(coach.GetSessionFigures().nWaiting, 1);
    coach.SetTable(JacksTable());
    EXPECT_FALSE(coach.GetNeededTable().has_value());
    // Deal 2: 1 hand at 2 coins keeps all five, a hand that pays nothing, giving up 2 x 375/47.
    SpinTo(IDC_SPIN_HANDS, 1);
    SpinTo(IDC_SPIN_BET, 2);
    Play(0b11111, {"-"});

    const CSessionFigures session = coach.GetSessionFigures();
    EXPECT_EQ(session.nDeals, 2);
    EXPECT_EQ(session.nHandsPlayed, 3);
    EXPECT_EQ(session.nCoinsBet, 4);
    EXPECT_EQ(session.nCoinsWon, 250);
    EXPECT_EQ(session.nNet, 246);
    EXPECT_EQ(session.playedReturn, CFraction(125, 2));
    EXPECT_EQ(session.chosenReturn, CFraction(375, 94));  // (2 x 375/47 + 0) / 4
    EXPECT_EQ(session.bestReturn, CFraction(375, 47));    // (2 x 375/47 + 2 x 375/47) / 4
    EXPECT_EQ(session.nBestDecisions, 1);
    EXPECT_EQ(session.nDecisions, 2);
    EXPECT_EQ(session.cost, CFraction(750, 47));
    EXPECT_EQ(session.nBiggestDraw, 250);
    EXPECT_EQ(session.nWaiting, 0);
    EXPECT_EQ(dlg.GetCoins(), 1000 + 246);

    const std::vector<CCostlyDecision> vecCostly = coach.GetCostlyDecisions();
    ASSERT_EQ(vecCostly.size(), 1u);
    EXPECT_EQ(vecCostly[0].nDeal, 2);
    EXPECT_EQ(vecCostly[0].deal.nHoldMask, 0b11111);
    EXPECT_EQ(vecCostly[0].deal.nBestMask, kFourToRoyal);
    EXPECT_EQ(vecCostly[0].cost, CFraction(750, 47));
    EXPECT_EQ(vecCostly[0].cost.Text(), "750/47");

    // Looking back at deal 1 shows its ranking, until the table moves on: the best hold first
    // among all 32, then at deal 3 holding nothing, which costs.
    coach.ViewDeal(1);
    ASSERT_TRUE(coach.GetDealFigures().has_value());
    EXPECT_EQ(coach.GetDealFigures()->nDeal, 1);
    EXPECT_EQ(coach.GetDealFigures()->deal.nHoldMask, kFourToRoyal);
    EXPECT_EQ(coach.GetDealFigures()->nRank, 1);
    EXPECT_EQ(coach.GetDealFigures()->cost, CFraction(0, 1));
    ScriptDeal("Jh Qh Kh 10h 2c");
    host.Click(IDC_DEAL);
    const std::optional<CDealFigures> deal3 = coach.GetDealFigures();
    EXPECT_EQ(deal3->nDeal, 3);
    EXPECT_GT(deal3->nRank, 1);
    EXPECT_GT(deal3->cost.Value(), 0.0);
}

}  // namespace
