// "Practice" in the window menu: drill rounds at the table, with the coach beside it. The
// player picks the deals: their weak spots (the chart's hand classes where their kept mistakes
// cost most), a hand class of the chart, or their past mistakes again; and how many. A round
// takes no coins; each answer is graded in the coach as it is drawn, and the round ends with
// its summary.
#pragma once

#include <QDialog>
#include <QPointer>

#include <memory>

#include "training/drill.h"
#include "ui/work/window_job.h"

class CCoachWindow;
class CDrillDealer;
class CMultiHandDlg;
class CStrategyChart;
class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

class CPracticeDialog : public QDialog {
public:
    CPracticeDialog(CMultiHandDlg& dlg, CCoachWindow& coach, QWidget* pTable);
    ~CPracticeDialog() override;

    // Shows the choices for the game and bet in play, making its chart if need be.
    void Open();
    bool IsRoundRunning() const { return m_pDealer != nullptr; }
    // The last round's summary, "" before the first.
    const std::string& GetLastSummary() const { return m_strSummary; }

private:
    void Build();
    void Refresh();
    void SetChart(std::shared_ptr<const CStrategyChart> pChart);
    std::vector<std::array<int, 5>> ChosenDeals();
    void StartRound();
    void EndRound();
    void OnDecided(EGrade eGrade, double dCostPerHand);

    CMultiHandDlg& m_dlg;
    CCoachWindow& m_coach;
    // The coach goes first when the table closes (it was made first): told nothing then.
    QPointer<CCoachWindow> m_pCoachAlive;
    QWidget* m_pTable;
    CWindowJob m_chartJob{this};
    std::shared_ptr<const CStrategyChart> m_pChart;
    std::vector<CClassCost> m_vecSpots;
    std::vector<std::array<int, 5>> m_vecMistakes;
    std::unique_ptr<CDrillDealer> m_pDealer;
    CRoundSummary m_summary;
    std::string m_strSummary;

    QLabel* m_pStatus = nullptr;
    QButtonGroup* m_pChoice = nullptr;
    QLabel* m_pSpots = nullptr;
    QComboBox* m_pClass = nullptr;
    QLabel* m_pMistakes = nullptr;
    QSpinBox* m_pCount = nullptr;
    QPushButton* m_pStart = nullptr;
};

class CQtDialogHost;
// "&Practice..." in the table's window menu.
void InstallPractice(CQtDialogHost& host, CMultiHandDlg& dlg, CCoachWindow& coach);
