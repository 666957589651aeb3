// The coach over scripted sessions at a real table: deals, holds and draws chosen card by card,
// figures worked out by hand. Four to a royal in Jacks or Better draws 47 cards: 1 royal flush
// (250), 1 straight flush (50), 7 flushes (6), 6 straights (4), 9 high pairs (1) and 23 losers,
// so it pays 375/47 per coin, and its pays squared add up to 65357.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/outcome_cache.h"
#include "coach/coach.h"
#include "coach/coach_text.h"
#include "games/game.h"
#include "games/game_variants.h"
#include "games/pay_table_library.h"
#include "strategy/chart_cache.h"
#include "support/golden.h"
#include "table/table_fixture.h"

namespace {

constexpr int kFourToRoyal = 0b01111;

class CoachTest : public TableTest {
protected:
    CoachTest() { dlg.AddObserver(&coach); }
    ~CoachTest() override { dlg.RemoveObserver(&coach); }

    static std::shared_ptr<const COutcomeTable> JacksTable() {
        return SharedOutcomeTable(GetFamily("jacks"), kAsBuiltRules);
    }

    // A deal of four to a royal, the holds clicked, then each hand in play drawing its card.
    void Play(int nMask, const std::vector<std::string>& vecLastCards) {
        DealAndHold(nMask);
        std::vector<std::string> vecDraws;
        for (const std::string& strLast : vecLastCards) vecDraws.push_back("- - - - " + strLast);
        ScriptDraw(vecDraws);
        host.Click(IDC_DRAW);
    }

    void DealAndHold(int nMask) {
        ScriptDeal("Jh Qh Kh 10h 2c");
        host.Click(IDC_DEAL);
        for (int i = 0; i < 5; ++i)
            if ((nMask >> i) & 1) host.Click(IDC_HOLDS[i]);
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
                                FindLibraryPayTable(GetFamily("jacks"), 0, "9/6")->table));
    EXPECT_EQ(coach.GetNeededTable(), (COutcomeKey{&GetFamily("jacks"), kCasinoRules}));
    coach.SetTable(SharedOutcomeTable(GetFamily("jacks"), kCasinoRules));
    SpinTo(IDC_SPIN_HANDS, 1);
    SpinTo(IDC_SPIN_BET, 5);
    Play(kFourToRoyal, {"Ah"});
    const std::optional<COverHandsFigures> over = coach.GetOverHandsFigures();
    ASSERT_TRUE(over.has_value());
    EXPECT_EQ(over->meanPay, CFraction(925, 47));
    EXPECT_EQ(over->expectedWin, CFraction(925 * 5, 47));
    EXPECT_EQ(over->nWon, 4000);
    EXPECT_EQ(DealGameText(coach.GetDealFigures()->deal), "Jacks or Better 9/6");

    // The round's figures are the deal's table's at its bet, asked for once and then shown.
    EXPECT_FALSE(over->table.has_value());
    const std::optional<CChartKey> key = coach.GetNeededPlayFigures();
    ASSERT_TRUE(key.has_value());
    EXPECT_EQ(key->nBet, 5);
    EXPECT_EQ(key->payTable.strName, "Jacks or Better 9/6");
    coach.SetPlayFigures(*key,
                         ComputePlayFigures(*SharedOutcomeTable(GetFamily("jacks"), kCasinoRules),
                                            key->payTable, key->nBet));
    EXPECT_FALSE(coach.GetNeededPlayFigures().has_value());
    ASSERT_TRUE(coach.GetOverHandsFigures()->table.has_value());
    EXPECT_NEAR(coach.GetOverHandsFigures()->table->dCovariance, 1.9664, 0.0001);
}

// The coach names the game and the four deuces as the strategy card does, while the table keeps
// its own "Duces Wild" and "4 Wild"; the hands the draw made are counted under the coach's name.
TEST_F(CoachTest, DeucesWildAndItsFourDeucesAreSpelledAsOnTheCard) {
    coach.SetTable(SharedOutcomeTable(GetFamily("deuces"), kAsBuiltRules));
    host.Click(IDC_DUCES_WILD);
    SpinTo(IDC_SPIN_HANDS, 1);
    ScriptDeal("2c 2d 2h 2s Ah");
    host.Click(IDC_DEAL);
    for (int i = 0; i < 4; ++i) host.Click(IDC_HOLDS[i]);
    ScriptDraw({"- - - - 3c"});
    host.Click(IDC_DRAW);
    ASSERT_EQ(Lines().front(), "4 Wild: 1@200x1= 200");
    const std::optional<COverHandsFigures> over = coach.GetOverHandsFigures();
    ASSERT_TRUE(over.has_value());
    EXPECT_EQ(over->vecCategories[1].strName, "4 Deuces");
    EXPECT_EQ(over->vecCategories[1].nActualHands, 1);
    EXPECT_EQ(DealGameText(coach.GetDealFigures()->deal), "Deuces Wild");
}

// Keeping all five gives up 375/47 per coin on every hand at every coin: the cost of a hold,
// before the draw and after it, is that times the bet times the hands in play.
TEST_F(CoachTest, AHoldCostsItsShortfallPerCoinTimesTheBetAndTheHands) {
    coach.SetTable(JacksTable());
    const struct { int nBet, nHands; } kCases[] = {{1, 1}, {1, 3}, {2, 5}, {5, 50}};
    std::int64_t nSessionCost = 0;
    for (const auto& c : kCases) {
        SpinTo(IDC_SPIN_BET, c.nBet);
        SpinTo(IDC_SPIN_HANDS, c.nHands);
        const CFraction cost(375 * c.nBet * c.nHands, 47);
        nSessionCost += 375 * c.nBet * c.nHands;
        DealAndHold(0b11111);
        const std::optional<CCostlyDraw> costly = coach.GetCostlyDraw(0.0);
        ASSERT_TRUE(costly.has_value()) << c.nHands << " hands";
        EXPECT_EQ(costly->cost, cost) << c.nHands << " hands";
        EXPECT_EQ(costly->nBestMask, kFourToRoyal);
        EXPECT_FALSE(coach.GetCostlyDraw(cost.Value()).has_value()) << "only above the threshold";
        EXPECT_EQ(coach.GetDealFigures()->cost, cost);
        ScriptDraw(std::vector<std::string>(static_cast<size_t>(c.nHands), "- - - - -"));
        host.Click(IDC_DRAW);
        EXPECT_FALSE(coach.GetCostlyDraw(0.0).has_value()) << "drawn";
        EXPECT_EQ(coach.GetCostlyDecisions().front().cost, cost) << c.nHands << " hands";
        EXPECT_EQ(coach.GetSessionFigures().cost, CFraction(nSessionCost, 47));
    }
    DealAndHold(kFourToRoyal);
    EXPECT_FALSE(coach.GetCostlyDraw(0.0).has_value()) << "the best hold costs nothing";
}

// At 0 coins the coach says why no deal is possible; a new session starts over at the table
// and in the coach alike, but never in the middle of a deal.
TEST_F(CoachTest, OutOfCoinsSaysWhyAndANewSessionStartsOver) {
    SpinTo(IDC_SPIN_BET, 5);
    EXPECT_EQ(UncoveredStakeText(dlg), "");
    for (int i = 0; i < 4; ++i) Play(0b11111, std::vector<std::string>(50, "-"));
    EXPECT_EQ(dlg.GetCoins(), 0);
    EXPECT_EQ(UncoveredStakeText(dlg), "The stake, 250 coins, is more than your 0 coins");
    SpinTo(IDC_SPIN_BET, 1);
    SpinTo(IDC_SPIN_HANDS, 1);
    EXPECT_EQ(UncoveredStakeText(dlg), "The stake, 1 coin, is more than your 0 coins");
    EXPECT_EQ(coach.GetSessionFigures().nDeals, 4);

    ASSERT_TRUE(dlg.NewSession());
    EXPECT_EQ(dlg.GetCoins(), 1000);
    EXPECT_EQ(dlg.GetBet(), 1);
    EXPECT_EQ(dlg.GetHandsInPlay(), 50);
    EXPECT_TRUE(host.IsControlEnabled(IDC_DEAL));
    EXPECT_EQ(UncoveredStakeText(dlg), "");
    EXPECT_EQ(coach.GetDealCount(), 0);
    EXPECT_EQ(coach.GetSessionFigures().nDeals, 0);
    EXPECT_TRUE(coach.GetCostlyDecisions().empty());
    DealAndHold(0);
    EXPECT_FALSE(dlg.NewSession());
    EXPECT_EQ(dlg.GetCoins(), 950);
    EXPECT_EQ(coach.GetDealCount(), 1);
}

TEST(CoachTextTest, CountsReadRightInTheSingularAndForRareCategories) {
    EXPECT_EQ(HandsText(1), "1 hand");
    EXPECT_EQ(HandsText(50), "50 hands");
    EXPECT_EQ(CoinsText(1), "1 coin");
    EXPECT_EQ(CoinsText(0), "0 coins");
    const struct {
        CFraction hands;
        const char* pszText;
    } kCases[] = {{CFraction(0, 1), "0 hands"},        {CFraction(1, 649740), "< 0.01 hands"},
                  {CFraction(1, 201), "< 0.01 hands"}, {CFraction(1, 199), "0.01 hands"},
                  {CFraction(2, 47), "0.04 hands"},    {CFraction(50, 1), "50.00 hands"}};
    for (const auto& c : kCases) EXPECT_EQ(ExpectedHandsText(c.hands), c.pszText);
}

// The cases of golden/figure_speech.txt.
TEST(CoachTextTest, FiguresReadWithTheirCaptionAndValueInWords) {
    const std::vector<std::vector<std::string>> cases =
        ReadCases(HANDFALL_GOLDEN_DIR "/figure_speech.txt");
    EXPECT_GE(cases.size(), 8u);
    for (const std::vector<std::string>& c : cases) {
        ASSERT_EQ(c.size(), 3u) << c[0];
        EXPECT_EQ(FigureSpeech(c[0], c[1]), c[2]);
    }
}

TEST_F(CoachTest, ASessionAddsUpToTheCoinAndWaitsForItsTable) {
    // Deal 1: 2 hands at 1 coin hold four to a royal; one draws the royal, one nothing.
    SpinTo(IDC_SPIN_HANDS, 2);
    Play(kFourToRoyal, {"Ah", "3c"});
    EXPECT_EQ(coach.GetNeededTable(), (COutcomeKey{&GetFamily("jacks"), kAsBuiltRules}));
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
    // The figures over the hands are that deal's too, not the current one's.
    ASSERT_TRUE(coach.GetOverHandsFigures().has_value());
    EXPECT_EQ(coach.GetOverHandsFigures()->nHands, 2);
    EXPECT_EQ(coach.GetOverHandsFigures()->nWon, 250);
    EXPECT_EQ(coach.GetOverHandsFigures()->expectedWin, CFraction(750, 47));
    EXPECT_EQ(DealGameText(coach.GetDealFigures()->deal), "Jacks or Better");
    ScriptDeal("Jh Qh Kh 10h 2c");
    host.Click(IDC_DEAL);
    const std::optional<CDealFigures> deal3 = coach.GetDealFigures();
    EXPECT_EQ(deal3->nDeal, 3);
    EXPECT_GT(deal3->nRank, 1);
    EXPECT_GT(deal3->cost.Value(), 0.0);
}

}  // namespace

namespace {

// The chart of the deal's pay table and bet: where it stands on the deal, and what leaving it
// gained or cost over the session, in coins at the deal's bet and hands.
TEST_F(CoachTest, TheChartsHoldAndWhatLeavingItCost) {
    coach.SetTable(JacksTable());
    SpinTo(IDC_SPIN_BET, 2);
    SpinTo(IDC_SPIN_HANDS, 3);
    DealAndHold(0b11111);
    EXPECT_FALSE(coach.GetStrategyFigures().has_value()) << "no chart yet";
    const std::optional<CChartKey> key = coach.GetNeededChart();
    ASSERT_TRUE(key.has_value());
    EXPECT_EQ(key->nBet, 2);
    EXPECT_EQ(key->payTable, AsBuiltPayTable(GAME_JACKS_OR_BETTER));
    coach.SetChart(SharedStrategyChart(key->payTable, key->nBet));
    EXPECT_FALSE(coach.GetNeededChart().has_value());

    std::optional<CStrategyFigures> figures = coach.GetStrategyFigures();
    ASSERT_TRUE(figures.has_value());
    EXPECT_EQ(figures->nGame, GAME_JACKS_OR_BETTER);
    EXPECT_EQ(figures->nChartMask, kFourToRoyal);
    EXPECT_EQ(figures->pChart->GetLines()[static_cast<size_t>(figures->nChartLine)].strName,
              "4 to a Royal Flush");
    EXPECT_EQ(figures->nHoldLine, -1) << "keeping five that pay nothing is on no line";
    EXPECT_TRUE(figures->bChartIsBest);
    EXPECT_EQ(figures->chartCost, CFraction(0, 1));
    ScriptDraw(std::vector<std::string>(3, "- - - - -"));
    host.Click(IDC_DRAW);

    DealAndHold(kFourToRoyal);
    figures = coach.GetStrategyFigures();
    ASSERT_TRUE(figures.has_value());
    EXPECT_EQ(figures->nHoldLine, figures->nChartLine);
    ScriptDraw(std::vector<std::string>(3, "- - - - 3c"));
    host.Click(IDC_DRAW);

    const CSessionFigures session = coach.GetSessionFigures();
    EXPECT_EQ(session.nChartDecisions, 2);
    EXPECT_EQ(session.nChartFollowed, 1);
    EXPECT_EQ(session.offChart, CFraction(-375 * 2 * 3, 47));

    // Penalty cards off: the simpler chart is asked for, and until it comes no chart stands.
    coach.SetChartKind(EChartKind::Simple);
    EXPECT_FALSE(coach.GetStrategyFigures().has_value());
    const std::optional<CChartKey> simple = coach.GetNeededChart();
    ASSERT_TRUE(simple.has_value());
    EXPECT_EQ(simple->eKind, EChartKind::Simple);
    const auto pSimple = SharedStrategyChart(simple->payTable, simple->nBet, {}, simple->eKind);
    coach.SetChart(pSimple, EChartKind::Simple);
    ASSERT_TRUE(coach.GetStrategyFigures().has_value());
    EXPECT_EQ(coach.GetStrategyFigures()->pChart, pSimple);
    EXPECT_EQ(coach.GetSessionFigures().nChartDecisions, 2);
}

}  // namespace
