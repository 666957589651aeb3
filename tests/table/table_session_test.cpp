// A long random session of valid and invalid actions, checking the table's invariants after each.
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "table_fixture.h"

namespace {

// The built-in generator, seeded once: building the deck must not reseed it from the clock.
class CFixedSeedSource : public CDefaultRandomSource {
public:
    using CDefaultRandomSource::CDefaultRandomSource;
    void Seed(unsigned int) override {}
};

// When the coins no longer cover the smallest stake, play is over and the program is started
// again: a fresh table on a fresh host.
class TableSession : public ::testing::Test {
protected:
    TableSession() { Restart(); }
    ~TableSession() override {
        if (m_pDlg && !m_pDlg->IsClosed()) m_pDlg->OnCancel();
    }

    void Restart() {
        if (m_pDlg) m_pDlg->OnCancel();
        m_pHost.reset();
        m_pDlg = std::make_unique<CMultiHandDlg>();
        m_pHost = std::make_unique<CRecordingDialogHost>(MultiHandDialogTemplate());
        m_pHost->Open(*m_pDlg);
        m_nStakes = m_nWinnings = 0;
        m_bDrawn = false;
        ++m_nRuns;
    }

    bool Enabled(int nID) const { return m_pHost->Control(nID).bEnabled; }
    const std::string& Text(int nID) const { return m_pHost->Control(nID).strText; }
    const std::vector<std::string>& Lines() const { return m_pHost->Control(IDC_RESULTS).lines; }

    void CheckInvariants(int nStep) {
        SCOPED_TRACE("step " + std::to_string(nStep));
        ASSERT_GE(m_pDlg->GetCoins(), 0);
        ASSERT_EQ(m_pDlg->GetCoins(), 1000 - m_nStakes + m_nWinnings);
        ASSERT_EQ(Text(IDC_COINS), std::to_string(m_pDlg->GetCoins()));
        ASSERT_EQ(Text(IDC_BET), std::to_string(m_pDlg->GetBet()));
        ASSERT_GE(m_pDlg->GetBet(), 1);
        ASSERT_LE(m_pDlg->GetBet(), 5);
        ASSERT_GE(m_pDlg->GetHandsInPlay(), 1);
        ASSERT_LE(m_pDlg->GetHandsInPlay(), 50);

        // The 52 cards are in the deck exactly once.
        const CDeck& deck = m_pDlg->GetDeck();
        std::set<const CCard*> all;
        for (int i = 0; i < deck.GetCards().GetSize(); ++i) all.insert(deck.GetCards()[i]);
        for (int i = 0; i < deck.GetDealt().GetSize(); ++i) all.insert(deck.GetDealt()[i]);
        ASSERT_EQ(all.size(), 52u);
        ASSERT_EQ(deck.GetCards().GetSize() + deck.GetDealt().GetSize(), 52);

        // Enabled states follow the phase.
        const bool bDealt = m_pDlg->IsDealt();
        ASSERT_EQ(Enabled(IDC_DEAL), !bDealt && m_pDlg->CanDeal());
        ASSERT_EQ(Enabled(IDC_DRAW), bDealt);
        for (int id : kAllHolds) ASSERT_EQ(Enabled(id), bDealt);
        ASSERT_EQ(Enabled(IDC_SPIN_BET), !bDealt);
        for (int id : kGameBoxes) ASSERT_EQ(Enabled(id), !bDealt);
        for (int id : kGameBoxes)
            ASSERT_EQ(m_pHost->Control(id).nCheck, id == GameBox(m_pDlg->GetGame()) ? 1 : 0);

        // After a draw every hand in play holds five different cards, none of them a dealt
        // card that was thrown away.
        if (!bDealt && m_bDrawn) {
            std::set<const CCard*> thrown;
            for (int i = 0; i < 5; ++i)
                if (!m_pDlg->IsHeld(i)) thrown.insert(deck.GetDealt()[i]);
            for (int h = 0; h < m_nHandsDrawn; ++h) {
                std::set<const CCard*> cards;
                for (int i = 0; i < 5; ++i) {
                    const CCard* pCard = m_pDlg->GetHand(h).GetCard(i);
                    ASSERT_TRUE(pCard && pCard->GetSuit() != 0);
                    ASSERT_EQ(thrown.count(pCard), 0u) << "hand " << h;
                    cards.insert(pCard);
                }
                ASSERT_EQ(cards.size(), 5u) << "hand " << h;
            }
        }
    }

    static int GameBox(int nGame) {
        switch (nGame) {
            case 1:
                return IDC_DUCES_WILD;
            case 2:
                return IDC_JACKS_OR_BETTER;
            case 3:
                return IDC_BONUS;
            default:
                return IDC_DOUBLE_BONUS;
        }
    }

    void Account(bool bWasDealt, int nCoinsBefore) {
        if (!bWasDealt && m_pDlg->IsDealt()) {
            m_nStakes += m_pDlg->GetBet() * m_pDlg->GetHandsInPlay();
            m_bDrawn = false;
        } else if (bWasDealt && !m_pDlg->IsDealt()) {
            const std::string& total = Lines().back();
            ASSERT_EQ(total.rfind("Total: ", 0), 0u);
            const int nTotal = std::stoi(total.substr(7));
            m_nWinnings += nTotal;
            ASSERT_EQ(m_pDlg->GetCoins(), nCoinsBefore + nTotal);
            m_bDrawn = true;
            m_nHandsDrawn = m_pDlg->GetHandsInPlay();
        } else {
            ASSERT_EQ(m_pDlg->GetCoins(), nCoinsBefore);
        }
    }

    CRecordingDialogRunner m_runner;
    std::unique_ptr<CMultiHandDlg> m_pDlg;
    std::unique_ptr<CRecordingDialogHost> m_pHost;
    int m_nRuns = 0;
    int m_nStakes = 0;
    int m_nWinnings = 0;
    bool m_bDrawn = false;
    int m_nHandsDrawn = 0;
};

TEST_F(TableSession, TensOfThousandsOfActionsKeepEveryInvariant) {
    CFixedSeedSource cards(20261207);
    CRandomSourceScope cardScope(&cards);
    Restart();
    CDefaultRandomSource actions(4711);
    const int kClicks[] = {IDC_DEAL,  IDC_DRAW,       IDC_HOLD1,        IDC_HOLD2,
                           IDC_HOLD3, IDC_HOLD4,      IDC_HOLD5,        IDC_JACKS_OR_BETTER,
                           IDC_BONUS, IDC_DUCES_WILD, IDC_DOUBLE_BONUS, IDC_PAY_TABLE,
                           IDOK};
    constexpr int kSteps = 20000;
    int nDeals = 0;
    for (int step = 0; step < kSteps; ++step) {
        const bool bWasDealt = m_pDlg->IsDealt();
        const int nCoinsBefore = m_pDlg->GetCoins();
        const int r = actions.Next() % 100;
        if (r < 45) {
            // Mostly the buttons the player would press next, so that games get played.
            m_pHost->Click(kClicks[actions.Next() % 13]);
            if (r < 10) m_pHost->Click(bWasDealt ? IDC_DRAW : IDC_DEAL);
        } else if (r < 70) {
            m_pHost->SpinClick(actions.Next() % 2 ? IDC_SPIN_BET : IDC_SPIN_HANDS,
                               actions.Next() % 2 ? 1 : -1);
        } else if (r < 80) {
            // Spin notifications the control would never send, in any phase.
            NMUPDOWN nm{{IDC_SPIN_HANDS, UDN_DELTAPOS},
                        actions.Next() % 120 - 10,
                        actions.Next() % 41 - 20};
            LRESULT result = 0;
            const bool bBet = actions.Next() % 2;
            m_pDlg->OnNotify(bBet ? IDC_SPIN_BET : IDC_SPIN_HANDS, &nm.hdr, &result);
        } else {
            // Handlers called directly, as keys or queued clicks would, whatever the phase.
            switch (actions.Next() % 6) {
                case 0:
                    m_pDlg->OnDeal();
                    break;
                case 1:
                    m_pDlg->OnDraw();
                    break;
                case 2:
                    m_pDlg->OnHold3();
                    break;
                case 3:
                    m_pDlg->OnDoubleBonus();
                    break;
                case 4:
                    m_pDlg->OnDucesWild();
                    break;
                default:
                    m_pDlg->OnCommand(IDC_DEAL);
                    break;
            }
        }
        if (!bWasDealt && m_pDlg->IsDealt()) ++nDeals;
        Account(bWasDealt, nCoinsBefore);
        CheckInvariants(step);
        if (HasFatalFailure()) return;
        // Broke, or short of the stake for a while: start the program again.
        if (!m_pDlg->IsDealt() && !m_pDlg->CanDeal() &&
            (m_pDlg->GetCoins() < 1 || actions.Next() % 20 == 0))
            Restart();
    }
    EXPECT_GT(nDeals, 1000);  // the session really played
}

}  // namespace
