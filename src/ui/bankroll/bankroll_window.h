// "Handfall II Bankroll", beside the table: what a session of the game in play can do to a
// bankroll under best play. The player sets the coins, the bet, the hands and the rounds; a
// background job draws sessions from the exact round, and the window plots the results and
// lists the same figures in a table a screen reader reads.
#pragma once

#include <QWidget>

#include "analysis/session_outcomes.h"
#include "games/pay_table.h"
#include "ui/work/window_job.h"

class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
class CMultiHandDlg;
class CQtDialogHost;

class QChartView;

class CBankrollWindow : public QWidget {
    Q_OBJECT

public:
    CBankrollWindow(CMultiHandDlg& dlg, QWidget* pTable);
    ~CBankrollWindow() override;

    // Takes the coins, bet and hands of the table, and shows the window right of it.
    void ShowBesideTable();
    // Plays the sessions of the plan shown, for the game in play, in the background.
    void Start();
    bool IsWorking() const { return m_job.IsRunning(); }
    QTableWidget* GetFigures() const { return m_pFigures; }
    QString GetStatus() const;
    void SetPlan(const CSessionPlan& plan);

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;

private:
    void BuildContent();
    QSpinBox* AddField(class QFormLayout* pForm, const QString& strLabel, int nLow, int nHigh);
    void Show(const CSessionOutcomes& outcomes);
    void Plot(const CSessionOutcomes& outcomes);

    CMultiHandDlg& m_dlg;
    QWidget* m_pTable;
    CWindowJob m_job{this};
    CPayTable m_table;  // of the sessions shown or being played
    QLabel* m_pGame = nullptr;
    QSpinBox* m_pBankroll = nullptr;
    QSpinBox* m_pBet = nullptr;
    QSpinBox* m_pHands = nullptr;
    QSpinBox* m_pRounds = nullptr;
    QPushButton* m_pStart = nullptr;
    QChartView* m_pChart = nullptr;
    QTableWidget* m_pFigures = nullptr;
    QLabel* m_pStatus = nullptr;
};

// The window menu item "Bankroll..." on the table's host.
CBankrollWindow* InstallBankroll(CQtDialogHost& host, CMultiHandDlg& dlg);
