// The coach's window, "Handfall II Coach": beside the table, not modal, it shows what the coach
// works out (this deal's holds ranked, the current hold over the hands in play, the session)
// and follows every change at the table at once. It builds the variants' outcome tables on a
// thread of its own, so the table keeps answering, and says it is working meanwhile.
#pragma once

#include <QRect>
#include <QWidget>

#include <array>
#include <atomic>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "coach/coach.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class CCoachBar;
class CCoachFigure;
class CCoachGroup;
class CMultiHandDlg;
class CQtDialogHost;

class CCoachWindow : public QWidget {
    Q_OBJECT

public:
    // Follows the table from now on, shown or not. pTable is the table's window: the coach
    // sits beside it and lives no longer than it.
    CCoachWindow(CMultiHandDlg& dlg, QWidget* pTable);
    ~CCoachWindow() override;

    // Shows the window beside the table without taking the keyboard from it, or hides it.
    void Toggle();
    void ShowBesideTable();

    const CCoach& GetCoach() const { return m_coach; }
    // Before a Draw: true when the warning is on and the hold costs more than its threshold; it
    // is then shown instead of the draw, and a second Draw with the same hold goes ahead.
    bool HoldsBackDraw();
    // True while a variant's table is being built.
    bool IsWorking() const { return m_worker.joinable(); }

protected:
    void showEvent(QShowEvent* pEvent) override;
    void hideEvent(QHideEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void BuildContent();
    // Says strText through the table's speaker.
    void Announce(const QString& strText);
    // One group box each, top to bottom.
    QGroupBox* BuildDealBox();
    QGroupBox* BuildWarningBox();
    QGroupBox* BuildHandsBox();
    QGroupBox* BuildSessionBox();
    QGroupBox* BuildCostlyBox();
    // Rank 1 and the hold played both in sight: the ranks between go when they do not fit.
    void KeepRanksInView();
    void RefreshWarning();
    void Refresh();
    void RefreshDeal();
    void RefreshOverHands();
    void RefreshSession();
    QGroupBox* BuildStrategyBox();
    void RefreshStrategy();
    void SaveStrategyCard();
    void RefreshCostly();
    // Session figures two pairs to a row where the coach is wide enough, else one.
    void FitSessionColumns();
    // Starts building the table the coach waits for, when none is being built.
    void BuildNeededTable();
    // The same for the strategy chart the coach waits for, once it waits for no table.
    void BuildNeededChart();

    CMultiHandDlg& m_dlg;
    QWidget* m_pTable;
    CCoach m_coach;
    std::thread m_worker;
    std::atomic<bool> m_bStopBuild{false};  // set once, when the window goes

    QLabel* m_pStatus = nullptr;
    CCoachGroup* m_pDealBox = nullptr;
    CCoachFigure* m_pDealCards = nullptr;
    QTreeWidget* m_pRanking = nullptr;
    CCoachFigure* m_pRank = nullptr;
    CCoachFigure* m_pCost = nullptr;
    CCoachGroup* m_pHandsBox = nullptr;
    CCoachGroup* m_pSessionBox = nullptr;
    QGridLayout* m_pChart = nullptr;
    struct CChartRow {
        CCoachFigure* pName;
        CCoachBar* pBar;
        CCoachFigure* pProbability;
        CCoachFigure* pExpected;
        CCoachFigure* pActual;
    };
    std::vector<CChartRow> m_vecChartRows;
    CCoachFigure* m_pExpectedWin = nullptr;
    CCoachFigure* m_pActualWin = nullptr;
    std::vector<CCoachFigure*> m_vecSession;
    QTreeWidget* m_pCostly = nullptr;
    CCoachGroup* m_pStrategyBox = nullptr;
    QTreeWidget* m_pChartLines = nullptr;
    CCoachFigure* m_pChartPick = nullptr;
    CCoachFigure* m_pChartReturn = nullptr;
    CCoachFigure* m_pChartSession = nullptr;
    QPushButton* m_pSaveCard = nullptr;
    std::shared_ptr<const CStrategyChart> m_pShownChart;  // the chart the list shows
    int m_nCostlyShown = -1;
    int m_nCurrentRank = 0;
    QCheckBox* m_pWarn = nullptr;
    QComboBox* m_pThreshold = nullptr;
    QWidget* m_pPrompt = nullptr;
    QLabel* m_pPromptText = nullptr;
    int m_nWarnedDeal = 0;  // the deal and hold the warning was shown for
    int m_nWarnedMask = -1;
    QWidget* m_pScrolled = nullptr;  // the groups, which scroll as one
    std::vector<QWidget*> m_vecSessionNames;
    int m_nSessionColumns = 0;
    int m_nOneColumnRoom = 0;  // the width at which two pairs a row last did not fit
};

// Where the coach goes beside the table, from the table's frame and client area and the
// screen's available area: the coach's client area, and where the table's frame moves to
// when it must make room (on a laptop's screen). A frame no larger than its client area, or not
// holding it, is not known yet: taken as none, keeping room for a title bar of nTitleHeight.
struct CCoachPlace {
    QRect rcCoach;
    std::optional<QPoint> ptTable;
};
CCoachPlace PlaceCoach(QRect rcFrame, const QRect& rcClient, const QRect& rcScreen,
                       int nTitleHeight);

// The key C and the window menu's check item "&Coach" on the table's host; the coach follows
// the table from the start, so its session covers the whole run.
CCoachWindow* InstallCoach(CQtDialogHost& host, CMultiHandDlg& dlg);
