// Grades, the same-cards replay and the kept rows over scripted sessions at a real table.
// Jh Qh Kh 10h 2c: four to a royal pays 375/47 per coin; Jh Qh Kh alone pays less.
#include <gtest/gtest.h>

#include "analysis/hold_value.h"
#include "analysis/outcome_cache.h"
#include "coach/coach.h"
#include "table/table_fixture.h"
#include "training/decision_record.h"
#include "training/drill.h"
#include "training/drill_dealer.h"
#include "training/history_store.h"
#include "training/progress.h"
#include "training/same_cards.h"
#include "training/trainer.h"

namespace {

constexpr int kThreeToRoyal = 0b00111;
constexpr int kFourToRoyal = 0b01111;

TEST(GradeTest, EqualPayIsCorrectAndTheCostPerCoinAgainstTheShareSplitsMinorFromMajor) {
    struct CCase {
        std::int64_t nBest, nHeld, nUnit;
        double dShare;
        EGrade eGrade;
    } const cases[] = {
        {500, 500, 1000, 0.01, EGrade::Correct},  // another hold worth as much
        {500, 491, 1000, 0.01, EGrade::Minor},    // 0.009 per coin
        {500, 490, 1000, 0.01, EGrade::Major},    // 0.01: not below the share
        {500, 490, 1000, 0.02, EGrade::Minor},    // the share is the player's
        {500, 100, 1000, 0.01, EGrade::Major},
    };
    for (const CCase& c : cases)
        EXPECT_EQ(GradeOf(c.nBest, c.nHeld, c.nUnit, c.dShare), c.eGrade)
            << c.nBest << " " << c.nHeld << " " << c.dShare;
    for (EGrade e : {EGrade::Correct, EGrade::Minor, EGrade::Major})
        EXPECT_EQ(ParseGrade(GradeKey(e)), e);
    EXPECT_EQ(ParseGrade("good"), std::nullopt);
}

class TrainerTest : public TableTest {
protected:
    TrainerTest() {
        dlg.AddObserver(&coach);
        dlg.AddObserver(&trainer);
        coach.SetTable(SharedOutcomeTable(GetFamily("jacks"), kAsBuiltRules));
        trainer.SetStore(&history);
        trainer.SetClock([] { return std::time_t{1796800867}; });
    }
    ~TrainerTest() override {
        dlg.RemoveObserver(&trainer);
        dlg.RemoveObserver(&coach);
    }

    // Two hands: the first draws 9d at position 4 (a straight with the 10h held), the second Jc
    // (jacks either way); position 3 takes Ah, then 2h.
    void PlayRoyalDraw(int nMask) {
        Deal("Jh Qh Kh 10h 2c");
        for (int i = 0; i < 5; ++i)
            if ((nMask >> i) & 1) host.Click(IDC_HOLDS[i]);
        ScriptDraw({"- - - Ah 9d", "- - - 2h Jc"});
        host.Click(IDC_DRAW);
    }

    CCoach coach;
    CTrainer trainer{coach};
    CMemoryHistory history;
};

// What the table paid for the best hold on the same script is what the replay says it would.
TEST_F(TrainerTest, TheBestHoldReplayedOnTheSameCardsPaysWhatTheTableWouldHavePaid) {
    SpinTo(IDC_SPIN_HANDS, 2);
    PlayRoyalDraw(kThreeToRoyal);
    const std::vector<CCostlyDecision> vecCostly = coach.GetCostlyDecisions();
    ASSERT_EQ(vecCostly.size(), 1u);
    const CCoachDeal& deal = vecCostly[0].deal;
    ASSERT_EQ(deal.vecPiles.size(), 2u);
    EXPECT_EQ(deal.nBestMask, kFourToRoyal);
    EXPECT_EQ(ReplaySameCards(deal).nHeldWon, deal.nWon);
    EXPECT_EQ(ReplaySameCards(deal).nHeldWon, 1);
    EXPECT_EQ(ReplaySameCards(deal).nBestWon, 5);

    PlayRoyalDraw(kFourToRoyal);
    EXPECT_EQ(dlg.GetCoins() - 1000, 1 - 2 + 5 - 2);
    EXPECT_EQ(trainer.GetSessionSameCards().nHeldWon, 1 + 5);
    EXPECT_EQ(trainer.GetSessionSameCards().nBestWon, 5 + 5);
    EXPECT_EQ(trainer.GetDecisionCount(), 2);

    dlg.NewSession();  // the session's figures start afresh; the history stays
    EXPECT_EQ(trainer.GetSessionSameCards().nBestWon, 0);
    EXPECT_EQ(history.Load().size(), 2u);

    ASSERT_TRUE(dlg.SetPractice(true));  // kept, but none of the session's play
    SpinTo(IDC_SPIN_HANDS, 2);
    PlayRoyalDraw(kThreeToRoyal);
    EXPECT_EQ(history.Load().size(), 3u);
    EXPECT_EQ(trainer.GetSessionSameCards().nBestWon, 0);
    EXPECT_EQ(coach.GetSessionFigures().nDeals, 0);
}

TEST_F(TrainerTest, EachDecisionIsKeptAsARowInTheHistorysWords) {
    SpinTo(IDC_SPIN_BET, 3);
    SpinTo(IDC_SPIN_HANDS, 2);
    PlayRoyalDraw(kThreeToRoyal);
    PlayRoyalDraw(kFourToRoyal);
    ASSERT_TRUE(dlg.SetPractice(true));
    PlayRoyalDraw(0b00011);
    const std::vector<CDecisionRecord> vecRows = history.Load();
    ASSERT_EQ(vecRows.size(), 3u);
    const CDecisionRecord& row = vecRows[0];
    EXPECT_EQ(row.strPlayedAt, "2026-12-09T07:21:07Z");
    EXPECT_EQ(row.strFamily, "jacks");
    EXPECT_EQ(row.nBet, 3);
    EXPECT_EQ(row.nHands, 2);
    EXPECT_EQ(row.strDeal, "Jh Qh Kh 10h 2c");
    EXPECT_EQ(row.strHeld, "Jh Qh Kh");
    EXPECT_EQ(row.strBest, "Jh Qh Kh 10h");
    EXPECT_DOUBLE_EQ(row.dEvBest, 7.97872340);  // 375/47 to 8 places
    EXPECT_EQ(row.chartLine, std::nullopt);     // no chart was made
    EXPECT_EQ(row.eGrade, EGrade::Major);
    EXPECT_FALSE(row.bDrill);
    EXPECT_EQ(vecRows[1].eGrade, EGrade::Correct);
    EXPECT_EQ(vecRows[1].dEvHeld, vecRows[1].dEvBest);
    EXPECT_TRUE(vecRows[2].bDrill);
    EXPECT_EQ(vecRows[2].strHeld, "Jh Qh");
}

TEST(DecisionRecordTest, CardsReadBackAndCsvQuotesWhatNeedsIt) {
    EXPECT_EQ(ParseCards("Jk 10h as"),
              (std::vector<int>{JOKER_CODE, ParseCardCode("10h"), ParseCardCode("As")}));
    EXPECT_TRUE(ParseCards("-").empty());
    EXPECT_TRUE(ParseCards("Jh Xx").empty());
    CDecisionRecord record;
    record.strPlayedAt = "2026-12-09T09:21:07Z";
    record.strTableName = "My \"best\", table";
    record.strFamily = "deuces";
    record.strDeal = "2c 3d 4h 5s 7c";
    record.strHeld = "-";
    record.strBest = "2c";
    record.dEvHeld = 0.5;
    record.dEvBest = 1.0 / 3;
    record.eGrade = EGrade::Minor;
    EXPECT_EQ(CsvLine(record),
              "2026-12-09T09:21:07Z,\"My \"\"best\"\", table\",deuces,1,1,2c 3d 4h 5s 7c,-,2c,"
              "0.50000000,0.33333333,,minor,0\r\n");
}

}  // namespace

namespace {

CDecisionRecord Kept(const std::string& strDeal, const char* pszLine, double dCost,
                     const std::string& strFamily = "jacks", int nBet = 1) {
    CDecisionRecord record;
    record.strFamily = strFamily;
    record.nBet = nBet;
    record.strDeal = strDeal;
    record.dEvBest = 1.0;
    record.dEvHeld = 1.0 - dCost;
    if (pszLine) record.chartLine = pszLine;
    record.eGrade = dCost == 0 ? EGrade::Correct : dCost < 0.01 ? EGrade::Minor : EGrade::Major;
    return record;
}

// A seeded history: low pairs cost most (0.25 at bet 2 plus 0.1), then suited KQ; the deuces
// row and the one with no line are not counted; the 4-flush class had no mistake.
const CMemoryHistory kSeeded({
    Kept("5c 5d 9h Js 2c", "Low Pair", 0.25, "jacks", 2),
    Kept("Kh Qh 3c 8d 2s", "Suited KQ", 0.3),
    Kept("5c 5d 9h Js 2c", "Low Pair", 0.1),
    Kept("2h 6h 9h Jh 3c", "4 to a Flush", 0.0),
    Kept("Kh Qh 3c 8d 2s", "Suited KQ", 0.005),
    Kept("7c 7d 2h 9s Kc", "Low Pair", 9.0, "deuces"),
    Kept("Ah 9c 3c 8d 2s", nullptr, 2.0),
});

TEST(DrillTest, WeakSpotsAreTheFamilysClassesWhoseMistakesCostMost) {
    const std::vector<CClassCost> vecSpots =
        WeakSpots(kSeeded.Load(), "jacks", [](const CDecisionRecord& r) { return r.chartLine; });
    ASSERT_EQ(vecSpots.size(), 2u);
    EXPECT_EQ(vecSpots[0].strClass, "Low Pair");
    EXPECT_EQ(vecSpots[0].nMistakes, 2);
    EXPECT_DOUBLE_EQ(vecSpots[0].dCost, 0.6);
    EXPECT_EQ(vecSpots[1].strClass, "Suited KQ");
    EXPECT_EQ(vecSpots[1].nDecisions, 2);
    EXPECT_DOUBLE_EQ(vecSpots[1].dCost, 0.305);
}

TEST(DrillTest, PastMistakesAreReplayedCostliestFirstEachDealOnce) {
    const std::vector<std::array<int, 5>> vecDeals = PastMistakes(kSeeded.Load(), "jacks", 5);
    ASSERT_EQ(vecDeals.size(), 3u);
    EXPECT_EQ(CardsText(vecDeals[0].data(), 5), "Ah 9c 3c 8d 2s");
    EXPECT_EQ(CardsText(vecDeals[1].data(), 5), "5c 5d 9h Js 2c");
    EXPECT_EQ(CardsText(vecDeals[2].data(), 5), "Kh Qh 3c 8d 2s");
    EXPECT_EQ(PastMistakes(kSeeded.Load(), "jacks", 1).size(), 1u);
}

TEST(DrillTest, ARoundSumsUpItsGrades) {
    CRoundSummary summary;
    summary.Add(EGrade::Correct, 0);
    summary.Add(EGrade::Major, 0.5);
    summary.Add(EGrade::Minor, 0.004);
    EXPECT_EQ(SummaryText(summary),
              "Practice round: 1 right, 1 minor, 1 major; the mistakes gave up 0.50 coins a hand.");
}

// The chosen deals come to the table in turn; the draws stay the random source's. Practice
// takes no stake and pays nothing in.
TEST_F(TableTest, ADrillDealsItsChosenCardsAtTheTableWithNoCoinsAtStake) {
    ASSERT_TRUE(dlg.SetPractice(true));
    CDrillDealer dealer(dlg);
    dealer.SetDeals({{ParseCardCode("As"), ParseCardCode("Ks"), ParseCardCode("Qs"),
                      ParseCardCode("Js"), ParseCardCode("10s")},
                     {ParseCardCode("2c"), ParseCardCode("2d"), ParseCardCode("2h"),
                      ParseCardCode("9s"), ParseCardCode("3c")}});
    // The shuffle's other 47 picks are the random source's.
    for (int i = 0; i < 47; ++i) script.Push(0);
    host.Click(IDC_DEAL);
    EXPECT_EQ(HandText(0), "As Ks Qs Js 10s");
    for (int i = 0; i < 5; ++i) host.Click(IDC_HOLDS[i]);
    ScriptDraw(std::vector<std::string>(50, "- - - - -"));
    host.Click(IDC_DRAW);
    EXPECT_EQ(dlg.GetCoins(), 1000);
    EXPECT_EQ(dealer.GetDrawnCount(), 1);
    host.Click(IDC_DUCES_WILD);  // the next deal's cards follow the change of game
    for (int i = 0; i < 47; ++i) script.Push(0);
    host.Click(IDC_DEAL);
    EXPECT_EQ(HandText(0), "2c 2d 2h 9s 3c");
    ScriptDraw(std::vector<std::string>(50, "- - - - -"));
    host.Click(IDC_DRAW);
    EXPECT_TRUE(dealer.IsOver());
    ASSERT_TRUE(dlg.SetPractice(false));
    Deal("4h 5h 6h 7h 8h");  // after the round, deals are the random source's again
    EXPECT_EQ(HandText(0), "4h 5h 6h 7h 8h");
    EXPECT_EQ(dlg.GetCoins(), 950);
}

}  // namespace

namespace {

TEST(ProgressTest, PerTableAndDayDrillsLeftOutMasteryOverEachClasssLast50) {
    std::vector<CDecisionRecord> vecRecords;
    for (int i = 0; i < 60; ++i) {
        // The oldest ten low pairs are mistakes; the last 50 are all right.
        CDecisionRecord record = Kept("5c 5d 9h Js 2c", "Low Pair", i < 10 ? 0.5 : 0.0);
        record.strPlayedAt = i < 30 ? "2026-12-08T10:00:00Z" : "2026-12-09T10:00:00Z";
        record.strTableName = "9/6";
        vecRecords.push_back(record);
    }
    CDecisionRecord drill = Kept("Kh Qh 3c 8d 2s", "Suited KQ", 0.2, "jacks", 2);
    drill.strPlayedAt = "2026-12-09T11:00:00Z";
    drill.strTableName = "9/6";
    drill.bDrill = true;
    vecRecords.push_back(drill);
    const std::vector<CProgressPoint> vecPoints = ProgressOverTime(vecRecords);
    ASSERT_EQ(vecPoints.size(), 2u);
    EXPECT_EQ(vecPoints[0].strDay, "2026-12-08");
    EXPECT_DOUBLE_EQ(vecPoints[0].ErrorRate(), 10.0 / 30);
    EXPECT_DOUBLE_EQ(vecPoints[0].CostPer100(), 100 * 5.0 / 30);
    EXPECT_EQ(vecPoints[1].nDecisions, 30);
    EXPECT_EQ(vecPoints[1].nMistakes, 0);
    const std::vector<CMastery> vecMastery = MasteryByClass(vecRecords, "jacks");
    ASSERT_EQ(vecMastery.size(), 2u);
    EXPECT_EQ(vecMastery[0].strClass, "Suited KQ");
    EXPECT_EQ(vecMastery[0].nDecisions, 1);
    EXPECT_NEAR(vecMastery[0].dCost, 0.4, 1e-12);
    EXPECT_EQ(vecMastery[1], (CMastery{"Low Pair", 50, 50, 0.0}));
}

}  // namespace
