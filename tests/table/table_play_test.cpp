#include <gtest/gtest.h>

#include "games/game_variants.h"
#include "games/pay_table_library.h"
#include "table_fixture.h"

namespace {

using CLines = std::vector<std::string>;

// The start-up fields and the Jacks or Better mark are the window's golden file; face-down hands
// the start-up painting's test; which controls act in each phase, Deal only while the coins
// cover the stake and the game boxes' marks, the random session's; the deck's start-up order,
// that of the tests of the window, whose deals it makes.
TEST_F(TableTest, StartsWithTheSpinsAtBet1Of1To5And50HandsOf1To50) {
    const CRecordedControl &bet = host.Control(IDC_SPIN_BET), &hands = host.Control(IDC_SPIN_HANDS);
    EXPECT_EQ((std::vector{bet.nSpinLower, bet.nSpinUpper, bet.nSpinPos, hands.nSpinLower,
                           hands.nSpinUpper, hands.nSpinPos}),
              (std::vector{1, 5, 1, 1, 50, 50}));
}

// Lists within a text are separated by " / ".
CLines Parts(const std::string& text) {
    CLines parts;
    for (std::size_t at = 0, end = 0; at <= text.size(); at = end + 3) {
        end = std::min(text.find(" / ", at), text.size());
        parts.push_back(text.substr(at, end - at));
    }
    return parts;
}

struct CRound {
    const char* pszName;
    int nGameBox, nBet, nHands;
    const char* pszDeal;
    const char* pszHeld;   // "H" at each held position
    const char* pszDraws;  // each hand's draw as ScriptDraw takes it; "" for all "- - - - -"
    int nCoinsDealt;
    const char* pszLines;  // the results list
    int nCoinsDrawn;
};

// Names the round in ctest's list, which would otherwise show the addresses of its texts.
void PrintTo(const CRound& round, std::ostream* pOut) {
    *pOut << round.pszName;
}

class TableRound : public TableTest, public ::testing::WithParamInterface<CRound> {};

// A deal and a draw: the hands get the drawn cards where not held, the list names each paying
// category once in pay-table order, and the winnings are paid.
TEST_P(TableRound, PaysAndListsTheWinningHands) {
    const CRound& r = GetParam();
    host.Click(r.nGameBox);
    SpinTo(IDC_SPIN_BET, r.nBet);
    SpinTo(IDC_SPIN_HANDS, r.nHands);
    host.Click(IDC_PAY_TABLE);
    Deal(r.pszDeal, {4, 4});  // a hold clicked twice is released
    for (int i = 0; i < 5; ++i)
        if (r.pszHeld[i] == 'H') host.Click(IDC_HOLDS[i]);
    // The pay table in either phase, the about item and OK change nothing that follows.
    host.Click(IDC_PAY_TABLE);
    dlg.OnSysCommand(IDM_ABOUTBOX, 0);
    host.Click(IDOK);
    EXPECT_EQ(runner.Runs(IDD_PAYTABLE), 3);
    EXPECT_FALSE(host.IsEnded());
    for (int i = 0; i < 5; ++i) EXPECT_EQ(dlg.IsHeld(i), r.pszHeld[i] == 'H') << i;
    EXPECT_EQ(Text(IDC_COINS), std::to_string(r.nCoinsDealt));
    EXPECT_EQ(HandText(0), r.pszDeal);  // face up; the others stay face down (the paint test)
    const CLines draws = *r.pszDraws ? Parts(r.pszDraws) : CLines(r.nHands, "- - - - -");
    ScriptDraw(draws);
    host.Click(IDC_DRAW);
    EXPECT_EQ(script.Remaining(), 0);
    for (int h = 0; h < 50; ++h) {
        const CLines drawn = Split(HandText(h));
        for (int i = 0; i < 5; ++i) {
            const std::string strWant = h >= r.nHands         ? "XX"
                                        : r.pszHeld[i] == 'H' ? Split(r.pszDeal)[i]
                                                              : Split(draws[h])[i];
            if (strWant != "-") {
                EXPECT_EQ(drawn[i], strWant) << "hand " << h << " card " << i;
            }
        }
    }
    EXPECT_EQ(Lines(), Parts(r.pszLines));
    EXPECT_EQ(Text(IDC_COINS), std::to_string(r.nCoinsDrawn));

    // Another game leaves the list alone; the hold captions stay until the next deal.
    host.Click(r.nGameBox == IDC_BONUS ? IDC_DUCES_WILD : IDC_BONUS);
    EXPECT_EQ(Lines(), Parts(r.pszLines));
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Text(IDC_HOLDS[i]), r.pszHeld[i] == 'H' ? "Held" : "");
    Deal("2c 3d 5h 8s 10c");
    EXPECT_EQ(HandText(0), "2c 3d 5h 8s 10c");  // dealt from the gathered deck
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(dlg.IsHeld(i) || Text(IDC_HOLDS[i]) != "");
    EXPECT_TRUE(Lines().empty());
}

// The chosen pay table pays by the bet: the royal 800 per coin at 5 coins on Jacks or Better
// 9/6; the Pay Table dialog shows its pays at the bet in play. It changes only while a deal is
// possible, and only to a table that can be played.
TEST_F(TableTest, TheChosenPayTablePaysByTheBetAndChangesOnlyBetweenDeals) {
    const CPayTable& jacks96 = FindLibraryPayTable(GetFamily("jacks"), 0, "9/6")->table;
    CPayTable unnamed = jacks96;
    unnamed.strName.clear();
    EXPECT_FALSE(dlg.SetPayTable(GAME_JACKS_OR_BETTER, unnamed));
    ASSERT_TRUE(dlg.SetPayTable(GAME_JACKS_OR_BETTER, jacks96));
    SpinTo(IDC_SPIN_HANDS, 1);
    SpinTo(IDC_SPIN_BET, 5);
    EXPECT_EQ(dlg.PayTableTexts()[GAME_JACKS_OR_BETTER].substr(0, 16), "Royal Flush\t800\r");
    Deal("10h Jh Qh Kh 3c", {0, 1, 2, 3});
    EXPECT_FALSE(dlg.SetPayTable(GAME_JACKS_OR_BETTER, AsBuiltPayTable(GAME_JACKS_OR_BETTER)));
    ScriptDraw({"- - - - Ah"});
    host.Click(IDC_DRAW);
    EXPECT_EQ(Lines(), Parts("Royal Flush: 1@800x5= 4000 / ========== / Total: 4000"));
    EXPECT_EQ(dlg.GetCoins(), 1000 - 5 + 4000);
    SpinTo(IDC_SPIN_BET, 4);
    EXPECT_EQ(dlg.PayTableTexts()[GAME_JACKS_OR_BETTER].substr(0, 16), "Royal Flush\t250\r");
    // A category that pays nothing has no row.
    CPayTable noPair = jacks96;
    noPair.strName = "No pair";
    noPair.arrPays[8].fill(0);
    ASSERT_TRUE(dlg.SetPayTable(GAME_JACKS_OR_BETTER, noPair));
    const std::string strText = dlg.PayTableTexts()[GAME_JACKS_OR_BETTER];
    EXPECT_TRUE(strText.ends_with("\r\n2 Pair\t\t2")) << strText;
}

// A box plays a table of any family: Joker Poker on the Duces Wild box deals from the 52 and
// the joker, each hand draws from the 48 not dealt (the script runs dry or is left over
// otherwise), and the joker is wild. On a 52-card table the next deal is from the 52 again.
TEST_F(TableTest, AJokerTableDealsFrom53CardsAndEachHandDrawsFromThe48NotDealt) {
    const CPayTable joker = MakeCasinoPayTable(GetFamily("joker"), "Joker test", kCasinoRules,
                                               {800, 200, 100, 50, 20, 7, 5, 3, 2, 1, 1});
    ASSERT_TRUE(dlg.SetPayTable(GAME_DUCES_WILD, joker));
    host.Click(IDC_DUCES_WILD);
    SpinTo(IDC_SPIN_HANDS, 2);
    Deal("Jk Ah Kd 7c 2s", {0, 1});
    EXPECT_EQ(dlg.GetDeck().GetCards().GetSize(), 48);
    ScriptDraw({"- - Ad 9c 3h", "- - Kh Ks Kc"});
    host.Click(IDC_DRAW);
    EXPECT_EQ(script.Remaining(), 0);
    EXPECT_EQ(HandText(1), "Jk Ah Kh Ks Kc");
    EXPECT_EQ(Lines(), Parts("4 of a Kind: 1@20x1= 20 / 3 of a Kind: 1@2x1= 2 / ========== / "
                             "Total: 22"));
    host.Click(IDC_JACKS_OR_BETTER);
    Deal("2c 3d 5h 8s 10c");
    EXPECT_EQ(script.Remaining(), 0);
    EXPECT_EQ(dlg.GetDeck().GetCards().GetSize(), 47);
}

INSTANTIATE_TEST_SUITE_P(
    Rounds, TableRound,
    ::testing::Values(
        CRound{"TwoFullHousesAndAPair", IDC_JACKS_OR_BETTER, 1, 3, "Jh Jd 4h 7s Kc", "HH...",
               "- - Jc 4d 4s / - - Js 9c 9d / - - 2c 5d 8s", 997,
               "Full House: 2@9x1= 18 / Pair: 1@1x1= 1 / ========== / Total: 19", 1016},
        CRound{"FlushesAtBetTwo", IDC_JACKS_OR_BETTER, 2, 4, "2h 5h 9h Qh 3c", "HHHH.",
               "- - - - Kh / - - - - 7h / - - - - 8h / - - - - 4d", 992,
               "Flush: 3@6x2= 36 / ========== / Total: 36", 1028},
        // Pay-table order, which is not the alphabetical order of the names.
        CRound{"InPayTableOrder", IDC_JACKS_OR_BETTER, 1, 3, "9h 10h Jh Qh 3c", "HHHH.",
               "- - - - 3h / - - - - Kd / - - - - 9c", 997,
               "Flush: 1@6x1= 6 / Straight: 1@4x1= 4 / ========== / Total: 10", 1007},
        CRound{"EveryHandLosing", IDC_JACKS_OR_BETTER, 1, 50, "2c 7d 9h Js 4s", "HHHHH", "", 950,
               "========== / Total: 0", 950},
        CRound{"DucesWildInItsOrder", IDC_DUCES_WILD, 1, 2, "2c 2d 9h 4s Kc", "HH...",
               "- - 9c 9d 3h / - - 2h 2s 5d", 998,
               "4 Wild: 1@200x1= 200 / 4 of a Kind: 1@5x1= 5 / ========== / Total: 205", 1203},
        CRound{"BonusLowFours", IDC_BONUS, 1, 2, "3c 3d 3h Ks 7d", "HHH..",
               "- - - 3s 2c / - - - 9d 9h", 998,
               "4 of a Kind (2,3,4): 1@40x1= 40 / Full House: 1@8x1= 8 / ========== / Total: 48",
               1046},
        CRound{"DoubleBonusFourAces", IDC_DOUBLE_BONUS, 3, 1, "Ac Ad Ah 5s 5c", "HHH..",
               "- - - As 7d", 997, "4 Aces: 1@160x3= 480 / ========== / Total: 480", 1477}),
    [](const ::testing::TestParamInfo<CRound>& info) { return info.param.pszName; });

}  // namespace
