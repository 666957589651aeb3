// The Bankroll window on the real table: it starts from the table's coins, bet and hands, plays
// the sessions of the game in play in the background and lists the figures the engine gives.
#include <QSpinBox>
#include <QTableWidget>

#include "analysis/outcome_cache.h"
#include "ui/bankroll/bankroll_window.h"
#include "ui/ui_fixture.h"

namespace {

class BankrollWindowTest : public TableWindowTest {
protected:
    int Spin(const char* pszName) const {
        for (const QSpinBox* pSpin : m_window.findChildren<QSpinBox*>())
            if (pSpin->accessibleName() == pszName) return pSpin->value();
        return -1;
    }

    CBankrollWindow& m_window = *m_pHost->findChild<CBankrollWindow*>();
};

TEST_F(BankrollWindowTest, StartsFromTheTableAndListsTheEnginesFigures) {
    m_window.ShowBesideTable();
    EXPECT_EQ(Spin("Bankroll in coins"), 1000);
    EXPECT_EQ(Spin("Bet per hand"), 1);
    EXPECT_EQ(Spin("Hands per round"), 50);
    EXPECT_EQ(Spin("Rounds in a session"), 1000);

    CSessionPlan plan;
    plan.nBankroll = 60;
    plan.nBet = 1;
    plan.nHands = 5;
    plan.nRounds = 50;
    m_window.SetPlan(plan);
    m_window.Start();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !m_window.IsWorking(); }, 120000));
    const QTableWidget* pFigures = m_window.GetFigures();
    ASSERT_EQ(pFigures->rowCount(), 9);
    EXPECT_EQ(pFigures->item(0, 0)->text(), "5th percentile of the result, coins");
    EXPECT_EQ(pFigures->item(8, 0)->text(), "Chance to lose the bankroll before the end");

    const CPayTable& table = m_pDlg->GetPayTable();
    const CRoundModel model(*SharedOutcomeTable(table.Family(), table.rules), table, 1);
    const CSessionOutcomes outcomes = PlaySessions(model, plan);
    EXPECT_EQ(pFigures->item(2, 1)->text(),
              QString::number(outcomes.arrPercentiles[2].dValue, 'f', 0));
    EXPECT_EQ(pFigures->item(8, 1)->text(),
              QString::number(outcomes.ruin.dValue * 100, 'f', 2) + " %");
    EXPECT_TRUE(m_window.GetStatus().startsWith("100,000 sessions played, "))
        << m_window.GetStatus().toStdString();
}

}  // namespace
