#include <gtest/gtest.h>

#include "table_fixture.h"

namespace {

using LineList = std::vector<std::string>;

void ExpectReady(const CRecordingDialogHost& host, bool bDealAffordable) {
    EXPECT_EQ(host.Control(IDC_DEAL).bEnabled, bDealAffordable);
    EXPECT_FALSE(host.Control(IDC_DRAW).bEnabled);
    for (int id : kAllHolds) EXPECT_FALSE(host.Control(id).bEnabled) << id;
    EXPECT_TRUE(host.Control(IDC_SPIN_BET).bEnabled);
    EXPECT_TRUE(host.Control(IDC_SPIN_HANDS).bEnabled);
    for (int id : kGameBoxes) EXPECT_TRUE(host.Control(id).bEnabled) << id;
    EXPECT_TRUE(host.Control(IDC_PAY_TABLE).bEnabled);
}

void ExpectDealt(const CRecordingDialogHost& host) {
    EXPECT_FALSE(host.Control(IDC_DEAL).bEnabled);
    EXPECT_TRUE(host.Control(IDC_DRAW).bEnabled);
    for (int id : kAllHolds) EXPECT_TRUE(host.Control(id).bEnabled) << id;
    EXPECT_FALSE(host.Control(IDC_SPIN_BET).bEnabled);
    EXPECT_FALSE(host.Control(IDC_SPIN_HANDS).bEnabled);
    for (int id : kGameBoxes) EXPECT_FALSE(host.Control(id).bEnabled) << id;
    EXPECT_TRUE(host.Control(IDC_PAY_TABLE).bEnabled);
}

TEST_F(TableTest, StartsWith1000CoinsBet1And50FaceDownHandsOfJacksOrBetter) {
    EXPECT_EQ(Text(IDC_BET), "1");
    EXPECT_EQ(Text(IDC_HANDS), "50");
    EXPECT_EQ(Text(IDC_COINS), "1000");
    EXPECT_EQ(host.Control(IDC_SPIN_BET).nSpinLower, 1);
    EXPECT_EQ(host.Control(IDC_SPIN_BET).nSpinUpper, 5);
    EXPECT_EQ(host.Control(IDC_SPIN_BET).nSpinPos, 1);
    EXPECT_EQ(host.Control(IDC_SPIN_HANDS).nSpinUpper, 50);
    EXPECT_EQ(host.Control(IDC_SPIN_HANDS).nSpinPos, 50);
    EXPECT_EQ(dlg.GetGame(), 2);
    EXPECT_EQ(host.Control(IDC_JACKS_OR_BETTER).nCheck, 1);
    for (int id : {IDC_BONUS, IDC_DOUBLE_BONUS, IDC_DUCES_WILD})
        EXPECT_EQ(host.Control(id).nCheck, 0);
    ExpectReady(host, true);
    for (int id : kAllHolds) EXPECT_EQ(Text(id), "");
    EXPECT_TRUE(Lines().empty());

    // 52 distinct cards, spades 2 to ace, then hearts, clubs, diamonds; the back not among them.
    const CCardArray& cards = dlg.GetDeck().GetCards();
    ASSERT_EQ(cards.GetSize(), 52);
    EXPECT_EQ(CardText(cards[0]), "2s");
    EXPECT_EQ(CardText(cards[12]), "As");
    EXPECT_EQ(CardText(cards[13]), "2h");
    EXPECT_EQ(CardText(cards[26]), "2c");
    EXPECT_EQ(CardText(cards[51]), "Ad");
    const CCard* pBack = dlg.GetDeck().GetBlankHand()->GetAt(0);
    for (int h = 0; h < 50; ++h)
        for (int i = 0; i < 5; ++i) EXPECT_EQ(dlg.GetHand(h).GetCard(i), pBack);

    // The window menu ends with a separator and the about item.
    const auto& items = dlg.GetSystemMenu(false)->GetItems();
    ASSERT_GE(items.size(), 2u);
    EXPECT_EQ(items[items.size() - 2].nFlags, MF_SEPARATOR);
    EXPECT_EQ(items.back().nID, IDM_ABOUTBOX);
    EXPECT_EQ(items.back().strText, "&About Tablo...");
    EXPECT_EQ(script.Taken(), 0);  // nothing is shuffled before the first deal
}

TEST_F(TableTest, DealTakesTheStakeAndDealsTheMainHandFaceUp) {
    ScriptDeal("Jh Jd 4h 7s Kc");
    host.ResetInvalidations();
    host.Click(IDC_DEAL);
    EXPECT_EQ(Text(IDC_COINS), "950");
    EXPECT_EQ(HandText(0), "Jh Jd 4h 7s Kc");
    for (int h = 1; h < 50; ++h) EXPECT_EQ(HandText(h), "XX XX XX XX XX");
    EXPECT_EQ(dlg.GetDeck().GetCards().GetSize(), 47);
    EXPECT_GE(host.Invalidations(), 1);
    EXPECT_TRUE(Lines().empty());
    ExpectDealt(host);
    EXPECT_EQ(script.Remaining(), 0);
}

TEST_F(TableTest, HoldButtonsToggleTheirMarkAndCaption) {
    ScriptDeal("Jh Jd 4h 7s Kc");
    host.Click(IDC_DEAL);
    host.Click(IDC_HOLD2);
    host.Click(IDC_HOLD5);
    host.Click(IDC_HOLD5);
    EXPECT_EQ(Text(IDC_HOLD1), "");
    EXPECT_EQ(Text(IDC_HOLD2), "Held");
    EXPECT_EQ(Text(IDC_HOLD5), "");
    EXPECT_TRUE(dlg.IsHeld(1));
    EXPECT_FALSE(dlg.IsHeld(4));
}

TEST_F(TableTest, TwoFullHousesAndAPairPayNineteenListedInPayTableOrder) {
    SpinTo(IDC_SPIN_HANDS, 3);
    EXPECT_EQ(Text(IDC_HANDS), "3");
    ScriptDeal("Jh Jd 4h 7s Kc");
    host.Click(IDC_DEAL);
    EXPECT_EQ(Text(IDC_COINS), "997");
    host.Click(IDC_HOLD1);
    host.Click(IDC_HOLD2);
    ScriptDraw({"- - Jc 4d 4s", "- - Js 9c 9d", "- - 2c 5d 8s"});
    host.Click(IDC_DRAW);
    EXPECT_EQ(script.Remaining(), 0);
    EXPECT_EQ(HandText(0), "Jh Jd Jc 4d 4s");
    EXPECT_EQ(HandText(1), "Jh Jd Js 9c 9d");
    EXPECT_EQ(HandText(2), "Jh Jd 2c 5d 8s");
    for (int h = 3; h < 50; ++h) EXPECT_EQ(HandText(h), "XX XX XX XX XX");
    EXPECT_EQ(Lines(),
              (LineList{"Full House: 2@9x1= 18", "Pair: 1@1x1= 1", "==========", "Total: 19"}));
    EXPECT_EQ(Text(IDC_COINS), "1016");
    ExpectReady(host, true);
    // The captions of the finished deal stay until the next deal clears them.
    EXPECT_EQ(Text(IDC_HOLD1), "Held");
    ScriptDeal("2c 3d 5h 8s 10c");
    host.Click(IDC_DEAL);
    for (int id : kAllHolds) EXPECT_EQ(Text(id), "");
    EXPECT_FALSE(dlg.IsHeld(0));
    EXPECT_TRUE(Lines().empty());
}

TEST_F(TableTest, FlushesAtBetTwoShowTheMultiplierAndBet) {
    SpinTo(IDC_SPIN_BET, 2);
    SpinTo(IDC_SPIN_HANDS, 4);
    ScriptDeal("2h 5h 9h Qh 3c");
    host.Click(IDC_DEAL);
    EXPECT_EQ(Text(IDC_COINS), "992");
    for (int id : {IDC_HOLD1, IDC_HOLD2, IDC_HOLD3, IDC_HOLD4}) host.Click(id);
    ScriptDraw({"- - - - Kh", "- - - - 7h", "- - - - 8h", "- - - - 4d"});
    host.Click(IDC_DRAW);
    EXPECT_EQ(Lines(), (LineList{"Flush: 3@6x2= 36", "==========", "Total: 36"}));
    EXPECT_EQ(Text(IDC_COINS), "1028");
}

TEST_F(TableTest, AllHeldEveryHandEqualsTheMainHand) {
    SpinTo(IDC_SPIN_HANDS, 10);
    ScriptDeal("9s 9h 9c Kd Kh");
    host.Click(IDC_DEAL);
    for (int id : kAllHolds) host.Click(id);
    ScriptDraw(std::vector<std::string>(10, "- - - - -"));
    host.Click(IDC_DRAW);
    for (int h = 0; h < 10; ++h) EXPECT_EQ(HandText(h), "9s 9h 9c Kd Kh");
    EXPECT_EQ(Lines(), (LineList{"Full House: 10@9x1= 90", "==========", "Total: 90"}));
    EXPECT_EQ(Text(IDC_COINS), "1080");
}

TEST_F(TableTest, EveryHandLosingListsOnlyTheTotalAndKeepsTheCoinsLeftByTheDeal) {
    PlayLosingRound();
    EXPECT_EQ(Lines(), (LineList{"==========", "Total: 0"}));
    EXPECT_EQ(Text(IDC_COINS), "950");
}

TEST_F(TableTest, NoCardHeldEveryHandGetsFiveNewCards) {
    ScriptDeal("Jh Jd 4h 7s Kc");
    host.Click(IDC_DEAL);
    // A fair default source for the draw: every hand gets five cards none of which was dealt.
    CDefaultRandomSource source(5);
    CRandomSourceScope drawScope(&source);
    host.Click(IDC_DRAW);
    const CCardArray& dealt = dlg.GetDeck().GetDealt();
    for (int h = 0; h < 50; ++h) {
        for (int i = 0; i < 5; ++i) {
            const CCard* pCard = dlg.GetHand(h).GetCard(i);
            ASSERT_NE(pCard, nullptr);
            EXPECT_NE(pCard->GetSuit(), 0);
            for (int d = 0; d < dealt.GetSize(); ++d) EXPECT_NE(pCard, dealt[d]) << h;
        }
    }
}

TEST_F(TableTest, SpinsStopAtTheirEndsAndRetestAffordability) {
    host.SpinClick(IDC_SPIN_BET, -1);
    EXPECT_EQ(Text(IDC_BET), "1");
    for (int i = 0; i < 7; ++i) host.SpinClick(IDC_SPIN_BET, 1);
    EXPECT_EQ(Text(IDC_BET), "5");
    EXPECT_EQ(host.Control(IDC_SPIN_BET).nSpinPos, 5);
    host.SpinClick(IDC_SPIN_HANDS, 1);
    EXPECT_EQ(Text(IDC_HANDS), "50");
    SpinTo(IDC_SPIN_HANDS, 1);
    host.SpinClick(IDC_SPIN_HANDS, -1);
    EXPECT_EQ(Text(IDC_HANDS), "1");
    EXPECT_TRUE(Enabled(IDC_DEAL));
}

TEST_F(TableTest, DealIsEnabledExactlyWhileTheStakeIsCovered) {
    // Four losing rounds at 5 x 50 leave 0 coins: nothing can be dealt at any bet.
    SpinTo(IDC_SPIN_BET, 5);
    for (int i = 0; i < 4; ++i) PlayLosingRound();
    EXPECT_EQ(dlg.GetCoins(), 0);
    EXPECT_FALSE(Enabled(IDC_DEAL));
    SpinTo(IDC_SPIN_BET, 1);
    SpinTo(IDC_SPIN_HANDS, 1);
    EXPECT_FALSE(Enabled(IDC_DEAL));
    host.Click(IDC_DEAL);
    dlg.OnDeal();
    EXPECT_EQ(dlg.GetCoins(), 0);
    EXPECT_FALSE(dlg.IsDealt());
}

TEST_F(TableTest, FortyNineCoinsCoverFortyNineHandsButNotFifty) {
    // 1000 - 951 = 49: stakes of 3 x 250, 150 (3 x 50) and 51 (3 x 17), all lost.
    SpinTo(IDC_SPIN_BET, 5);
    for (int i = 0; i < 3; ++i) PlayLosingRound();
    SpinTo(IDC_SPIN_BET, 3);
    PlayLosingRound();
    SpinTo(IDC_SPIN_HANDS, 17);
    PlayLosingRound();
    EXPECT_EQ(dlg.GetCoins(), 49);
    SpinTo(IDC_SPIN_BET, 1);
    SpinTo(IDC_SPIN_HANDS, 50);
    EXPECT_FALSE(Enabled(IDC_DEAL));
    host.SpinClick(IDC_SPIN_HANDS, -1);
    EXPECT_TRUE(Enabled(IDC_DEAL));
    host.SpinClick(IDC_SPIN_HANDS, 1);
    EXPECT_FALSE(Enabled(IDC_DEAL));
}

TEST_F(TableTest, BetFiveOnFiftyHandsTakesTheLast250Coins) {
    SpinTo(IDC_SPIN_BET, 5);
    for (int i = 0; i < 3; ++i) PlayLosingRound();
    EXPECT_EQ(dlg.GetCoins(), 250);
    EXPECT_TRUE(Enabled(IDC_DEAL));
    ScriptDeal("2c 7d 9h Js 4s");
    host.Click(IDC_DEAL);
    EXPECT_EQ(Text(IDC_COINS), "0");
}

TEST_F(TableTest, GameBoxesActAsOneChoice) {
    host.Click(IDC_JACKS_OR_BETTER);  // the marked box stays marked
    EXPECT_EQ(host.Control(IDC_JACKS_OR_BETTER).nCheck, 1);
    EXPECT_EQ(dlg.GetGame(), 2);
    struct Case {
        int nID, nGame;
    };
    for (const Case& c : {Case{IDC_DUCES_WILD, 1}, Case{IDC_BONUS, 3}, Case{IDC_DOUBLE_BONUS, 4},
                          Case{IDC_JACKS_OR_BETTER, 2}}) {
        host.Click(c.nID);
        EXPECT_EQ(dlg.GetGame(), c.nGame);
        for (int id : kGameBoxes) EXPECT_EQ(host.Control(id).nCheck, id == c.nID ? 1 : 0);
    }
}

TEST_F(TableTest, ChangingTheGameAfterADrawKeepsTheResultsList) {
    SpinTo(IDC_SPIN_HANDS, 1);
    ScriptDeal("Jh Jd 4h 7s Kc");
    host.Click(IDC_DEAL);
    for (int id : kAllHolds) host.Click(id);
    ScriptDraw({"- - - - -"});
    host.Click(IDC_DRAW);
    const LineList before = Lines();
    EXPECT_EQ(before, (LineList{"Pair: 1@1x1= 1", "==========", "Total: 1"}));
    host.Click(IDC_DUCES_WILD);
    EXPECT_EQ(Lines(), before);
}

TEST_F(TableTest, PayTableOpensInEitherPhaseAndChangesNothing) {
    host.Click(IDC_PAY_TABLE);
    EXPECT_EQ(runner.Runs(IDD_PAYTABLE), 1);
    ScriptDeal("Jh Jd 4h 7s Kc");
    host.Click(IDC_DEAL);
    host.Click(IDC_HOLD3);
    host.Click(IDC_PAY_TABLE);
    dlg.OnSysCommand(IDM_ABOUTBOX, 0);
    EXPECT_EQ(runner.Runs(IDD_PAYTABLE), 3);
    ExpectDealt(host);
    EXPECT_EQ(Text(IDC_HOLD3), "Held");
    EXPECT_EQ(HandText(0), "Jh Jd 4h 7s Kc");
    EXPECT_EQ(Text(IDC_COINS), "950");
}

TEST_F(TableTest, AnOkCommandIsIgnoredAndCancelEndsTheTable) {
    host.Click(IDOK);
    EXPECT_FALSE(host.IsEnded());
    dlg.OnSysCommand(SC_CLOSE, 0);
    EXPECT_TRUE(host.IsEnded());
    EXPECT_EQ(host.GetResult(), IDCANCEL);
    EXPECT_TRUE(dlg.GetDeck().GetCards().IsEmpty());
    EXPECT_TRUE(dlg.GetDeck().GetBlankHand()->IsEmpty());
}

}  // namespace
