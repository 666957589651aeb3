// A long random session of valid and invalid actions, checking the table's invariants after each.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <set>

#include "games/play_limits.h"
#include "table_fixture.h"

namespace {

// The built-in generator, seeded once: building a deck must not reseed it from the clock.
struct CFixedSeedSource : CDefaultRandomSource {
    using CDefaultRandomSource::CDefaultRandomSource;
    void Seed(unsigned int) override {}
};

// The coins are what the stakes and the listed totals make them; the fields show the members;
// each of the 52 cards is in the deck once; the controls follow the phase, the game and the
// coins (Deal only while they cover the stake); after a draw every hand in play holds five
// different cards, none of them a dealt card thrown away.
void CheckTable(const CMultiHandDlg& dlg, const CRecordingDialogHost& host, int nCoins,
                int nHandsDrawn) {
    ASSERT_EQ(dlg.GetCoins(), nCoins);
    ASSERT_GE(nCoins, 0);
    ASSERT_EQ(host.Control(IDC_COINS).strText, std::to_string(nCoins));
    ASSERT_EQ(host.Control(IDC_BET).strText, std::to_string(dlg.GetBet()));
    ASSERT_TRUE(dlg.GetBet() >= 1 && dlg.GetBet() <= 5);
    ASSERT_TRUE(dlg.GetHandsInPlay() >= 1 && dlg.GetHandsInPlay() <= 50);

    const CDeck& deck = dlg.GetDeck();
    std::multiset<const CCard*> all(deck.GetCards().begin(), deck.GetCards().end());
    all.insert(deck.GetDealt().begin(), deck.GetDealt().end());
    ASSERT_EQ(std::set<const CCard*>(all.begin(), all.end()).size(), 52u);
    ASSERT_EQ(all.size(), 52u);

    const bool bDealt = dlg.IsDealt();
    ASSERT_EQ(host.Control(IDC_DEAL).bEnabled,
              !bDealt && nCoins >= dlg.GetBet() * dlg.GetHandsInPlay());
    ASSERT_EQ(host.Control(IDC_DRAW).bEnabled, bDealt);
    for (int id : IDC_HOLDS) ASSERT_EQ(host.Control(id).bEnabled, bDealt);
    for (int id : {IDC_SPIN_BET, IDC_SPIN_HANDS}) ASSERT_EQ(host.Control(id).bEnabled, !bDealt);
    ASSERT_TRUE(host.Control(IDC_PAY_TABLE).bEnabled);
    const int kBoxes[] = {IDC_DUCES_WILD, IDC_JACKS_OR_BETTER, IDC_BONUS, IDC_DOUBLE_BONUS};
    for (int g = 0; g < 4; ++g) {  // in game-code order
        ASSERT_EQ(host.Control(kBoxes[g]).bEnabled, !bDealt);
        ASSERT_EQ(host.Control(kBoxes[g]).nCheck, dlg.GetGame() == g + 1 ? 1 : 0);
    }

    if (bDealt) return;
    std::set<const CCard*> thrown;
    for (int i = 0; i < 5; ++i)
        if (!dlg.IsHeld(i) && nHandsDrawn > 0) thrown.insert(deck.GetDealt()[i]);
    for (int h = 0; h < nHandsDrawn; ++h) {
        const CCardArray& hand = dlg.GetHand(h).GetCards();
        ASSERT_EQ(std::set<const CCard*>(hand.begin(), hand.end()).size(), 5u) << "hand " << h;
        for (const CCard* p : hand) ASSERT_TRUE(p && p->GetSuit() != 0 && !thrown.count(p)) << h;
    }
}

TEST(TableSession, TensOfThousandsOfActionsKeepEveryInvariant) {
    CFixedSeedSource cardSource(20261207);
    CRandomSourceScope scope(&cardSource);
    CDefaultRandomSource actions(4711);
    std::unique_ptr<CMultiHandDlg> pDlg;
    std::unique_ptr<CRecordingDialogHost> pHost;
    int nCoins = 0, nHandsDrawn = 0, nDeals = 0;
    // When the coins no longer cover the smallest stake, play is over and the program is
    // started again: a fresh table on a fresh host.
    const auto restart = [&] {
        if (pDlg) pDlg->OnCancel();
        pHost.reset();
        pDlg = std::make_unique<CMultiHandDlg>();
        pHost = std::make_unique<CRecordingDialogHost>(MultiHandDialogTemplate());
        pHost->Open(*pDlg);
        nCoins = 1000;
        nHandsDrawn = 0;
        CheckTable(*pDlg, *pHost, nCoins, nHandsDrawn);
    };
    restart();
    const int kClicks[] = {IDC_DEAL,  IDC_DRAW,       IDC_HOLD1,        IDC_HOLD2,
                           IDC_HOLD3, IDC_HOLD4,      IDC_HOLD5,        IDC_JACKS_OR_BETTER,
                           IDC_BONUS, IDC_DUCES_WILD, IDC_DOUBLE_BONUS, IDC_PAY_TABLE,
                           IDOK};
    const CRecordingDialogRunner runner;
    for (int step = 0; step < 20000; ++step) {
        SCOPED_TRACE("step " + std::to_string(step));
        const bool bWasDealt = pDlg->IsDealt();
        // Between Deal and Draw the stake and the game stay, whatever is asked.
        const int nWas[] = {pDlg->GetBet(), pDlg->GetHandsInPlay(), pDlg->GetGame()};
        const int r = actions.Next() % 100;
        if (r < 45) {
            // Mostly the buttons the player would press next, so that games get played.
            pHost->Click(kClicks[actions.Next() % 13]);
            if (r < 10) pHost->Click(bWasDealt ? IDC_DRAW : IDC_DEAL);
        } else if (r < 70) {
            pHost->SpinClick(actions.Next() % 2 ? IDC_SPIN_BET : IDC_SPIN_HANDS,
                             actions.Next() % 2 ? 1 : -1);
        } else if (r < 80) {
            // Spin notifications the control would never send, in any phase.
            NMUPDOWN nm{{IDC_SPIN_HANDS, UDN_DELTAPOS},
                        actions.Next() % 120 - 10,
                        actions.Next() % 41 - 20};
            LRESULT result = 0;
            pDlg->OnNotify(actions.Next() % 2 ? IDC_SPIN_BET : IDC_SPIN_HANDS, &nm.hdr, &result);
        } else {
            // Commands whatever their controls' state, as keys or queued clicks would send them.
            pDlg->OnCommand(kClicks[actions.Next() % 13]);
        }
        if (bWasDealt && pDlg->IsDealt()) {
            const int nNow[] = {pDlg->GetBet(), pDlg->GetHandsInPlay(), pDlg->GetGame()};
            ASSERT_TRUE(std::equal(nWas, nWas + 3, nNow));
        } else if (!bWasDealt && pDlg->IsDealt()) {
            nCoins -= pDlg->GetBet() * pDlg->GetHandsInPlay();
            ++nDeals;
        } else if (bWasDealt && !pDlg->IsDealt()) {
            const std::string& strTotal = pHost->Control(IDC_RESULTS).lines.back();
            ASSERT_EQ(strTotal.rfind("Total: ", 0), 0u);
            nCoins += std::stoi(strTotal.substr(7));
            nHandsDrawn = pDlg->GetHandsInPlay();
        }
        CheckTable(*pDlg, *pHost, nCoins, nHandsDrawn);
        if (::testing::Test::HasFatalFailure()) return;
        if (!pDlg->IsDealt() && !pDlg->CanDeal() && (nCoins < 1 || actions.Next() % 20 == 0))
            restart();
    }
    pDlg->OnCancel();
    EXPECT_GT(nDeals, 1000);  // the session really played
}

// A win that would carry the balance past the largest int leaves it there, never negative.
TEST(TableSession, CoinsStopAtTheLargestBalanceInsteadOfWrapping) {
    const struct {
        int nCoins, nWon, nAfter;
    } kCases[] = {{1000, 0, 1000},
                  {995, 4000, 4995},
                  {INT_MAX - 5, 5, INT_MAX},
                  {INT_MAX - 5, 6, INT_MAX},
                  {INT_MAX - 5, 1000000, INT_MAX},
                  {INT_MAX, 1, INT_MAX}};
    for (const auto& c : kCases)
        EXPECT_EQ(CoinsAfterWin(c.nCoins, c.nWon), c.nAfter) << c.nCoins << " + " << c.nWon;
}

}  // namespace
