// "Progress": how the player's decisions come along. Over time, per table and day, the share
// of mistakes and what they cost per 100 decisions, plotted; mastery per hand class of the
// game in play, the share correct of its last 50 decisions, the costliest classes first. Each
// plot has a table of the same figures beside it, for screen readers.
#pragma once

#include <QWidget>

#include <string>
#include <vector>

#include "training/progress.h"

class CHistoryStore;
class QTableWidget;
class QTabWidget;
class QLabel;
class QChartView;

class CProgressWindow : public QWidget {
public:
    explicit CProgressWindow(QWidget* pParent);

    // Reads the figures afresh from pHistory (null: history is off, and strWhy says why).
    void Fill(const CHistoryStore* pHistory, const std::string& strFamily,
              const std::string& strFamilyName, const std::string& strWhy = "");

private:
    void FillOverTime(const std::vector<CProgressPoint>& vecPoints);
    void FillMastery(const std::vector<CMastery>& vecMastery);

    QLabel* m_pStatus;
    QTabWidget* m_pTabs;
    QChartView* m_pErrors;
    QChartView* m_pCosts;
    QTableWidget* m_pOverTime;
    QChartView* m_pMasteryChart;
    QTableWidget* m_pMastery;
};

class CCoachWindow;
class CMultiHandDlg;
class CQtDialogHost;
// "P&rogress..." in the table's window menu.
void InstallProgress(CQtDialogHost& host, CMultiHandDlg& dlg, CCoachWindow& coach);
