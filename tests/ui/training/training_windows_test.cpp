// The training windows at the table: practice replays a kept mistake at the table with no
// coins at stake and sums the round up; the progress window's tables read to a screen reader
// as the figures plotted.
#include <QAccessibleTableInterface>
#include <QChart>
#include <QChartView>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>

#include "training/history_store.h"
#include "ui/coach/coach_window.h"
#include "ui/store/history_database.h"
#include "ui/training/practice_dialog.h"
#include "ui/training/progress_window.h"
#include "ui/ui_fixture.h"

namespace {

CDecisionRecord Mistake(const std::string& strDay, const char* pszLine) {
    CDecisionRecord record;
    record.strPlayedAt = strDay + "T10:00:00Z";
    record.strTableName = "Jacks or Better as built";
    record.strFamily = "jacks";
    record.strDeal = "Kh Qh 10d 7c 2s";
    record.strHeld = "Kh Qh 10d";
    record.strBest = "Kh Qh";
    record.dEvBest = 0.6;
    record.dEvHeld = 0.5;
    record.chartLine = pszLine;
    record.eGrade = EGrade::Major;
    return record;
}

using TrainingWindowsTest = TableWindowTest;

TEST_F(TrainingWindowsTest, PracticeReplaysAKeptMistakeWithNoCoinsAtStakeThenSumsTheRoundUp) {
    CCoachWindow* pCoach = m_pHost->findChild<CCoachWindow*>();
    ASSERT_NE(pCoach->GetHistory(), nullptr) << pCoach->GetTrainer().GetHistoryOffReason();
    ASSERT_EQ(pCoach->GetHistory()->Clear(), "");
    ASSERT_EQ(pCoach->GetHistory()->Append(Mistake("2026-12-08", "Suited KQ")), "");
    auto* pPractice = m_pHost->findChild<CPracticeDialog*>();
    ASSERT_NE(pPractice, nullptr);
    pPractice->Open();
    auto* pMistakes = pPractice->findChildren<QRadioButton*>().at(2);
    ASSERT_TRUE(pMistakes->isEnabled());
    pMistakes->click();
    pPractice->findChild<QSpinBox*>()->setValue(1);
    for (QPushButton* pButton : pPractice->findChildren<QPushButton*>())
        if (pButton->text() == "&Start") pButton->click();
    ASSERT_TRUE(pPractice->IsRoundRunning());
    ASSERT_TRUE(QTest::qWaitFor([pCoach] { return !pCoach->IsWorking(); }, 60000));
    m_zeros.Push(0);  // a few more numbers than the shuffles take
    m_pDlg->OnDeal();
    EXPECT_EQ(CardCodeOf(m_pDlg->GetHand(0).GetCard(0)), ParseCardCode("Kh"));
    EXPECT_EQ(CardCodeOf(m_pDlg->GetHand(0).GetCard(4)), ParseCardCode("2s"));
    m_pDlg->OnHold1();
    m_pDlg->OnHold2();
    // The summary is a message box over the table: read, then closed.
    QString strSummary;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&strSummary] {
        for (QWidget* pWidget : QApplication::topLevelWidgets())
            if (auto* pBox = qobject_cast<QMessageBox*>(pWidget); pBox && pBox->isVisible()) {
                strSummary = pBox->text();
                pBox->accept();
            }
    });
    closer.start(50);
    m_pDlg->OnDraw();
    ASSERT_TRUE(QTest::qWaitFor([pPractice] { return !pPractice->IsRoundRunning(); }, 10000));
    EXPECT_EQ(strSummary.toStdString(),
              "Practice round: 1 right, 0 minor, 0 major; the mistakes gave up 0.00 coins a hand.");
    EXPECT_EQ(m_pDlg->GetCoins(), 1000);
    EXPECT_FALSE(m_pDlg->IsPractice());
    const std::vector<CDecisionRecord> vecRows = pCoach->GetHistory()->Load();
    ASSERT_EQ(vecRows.size(), 2u);
    EXPECT_TRUE(vecRows[1].bDrill);
    EXPECT_EQ(vecRows[1].strHeld, "Kh Qh");
}

TEST(ProgressWindowTest, EachPlotHasATableOfTheSameFiguresForAScreenReader) {
    CMemoryHistory history({Mistake("2026-12-08", "Suited KQ"), Mistake("2026-12-09", "Low Pair")});
    history.Append(Mistake("2026-12-09", "Low Pair"));
    CProgressWindow window(nullptr);
    window.Fill(&history, "jacks", "Jacks or Better");
    window.show();
    auto* pOverTime = window.findChild<QTableWidget*>("progressByDay");
    QAccessibleInterface* pTable = QAccessible::queryAccessibleInterface(pOverTime);
    ASSERT_NE(pTable, nullptr);
    EXPECT_EQ(pTable->text(QAccessible::Name), "Progress by table and day");
    QAccessibleTableInterface* pCells = pTable->tableInterface();
    ASSERT_NE(pCells, nullptr);
    ASSERT_EQ(pCells->rowCount(), 2);
    QStringList row;
    for (int c = 0; c < pCells->columnCount(); ++c)
        row << pCells->cellAt(1, c)->text(QAccessible::Name);
    EXPECT_EQ(row.join(" | ").toStdString(),
              "Jacks or Better as built | 2026-12-09 | 2 | 2 | 100.0 % | 10.00 coins");
    auto* pMastery = window.findChild<QTableWidget*>("masteryByClass");
    EXPECT_EQ(pMastery->accessibleName(), "Mastery by hand class at Jacks or Better");
    ASSERT_EQ(pMastery->rowCount(), 2);
    EXPECT_EQ(pMastery->item(0, 0)->text(), "Low Pair");  // its mistakes cost most
    for (QChartView* pView : window.findChildren<QChartView*>())
        EXPECT_FALSE(pView->chart()->series().isEmpty()) << pView->chart()->title().toStdString();
}

}  // namespace
