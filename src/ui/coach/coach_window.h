// The coach's window, "Handfall II Coach": beside the table, not modal, it shows what the coach
// works out (this deal's holds ranked, the current hold over the hands in play, the session)
// and follows every change at the table at once. It builds the variants' outcome tables in a
// background job, so the table keeps answering, and says it is working meanwhile.
#pragma once

#include <QWidget>

#include <memory>

#include "coach/coach.h"
#include "training/trainer.h"
#include "ui/coach/coach_place.h"
#include "ui/work/window_job.h"

class QLabel;
class CCostlySection;
class CDealSection;
class CHandsSection;
class CMultiHandDlg;
class CQtDialogHost;
class CSessionSection;
class CHistoryDatabase;
class CStrategySection;
class CTrainingSection;
class CWarningSection;

// Lays out the coach's rooms, one under another, each of which refreshes itself; the window
// keeps the status line and the job that builds what the coach waits for.
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
    CTrainer& GetTrainer() { return m_trainer; }
    // The history the decisions go to; null while it is off.
    CHistoryDatabase* GetHistory() const;
    // Before a Draw: true when the warning is on and the hold costs more than its threshold; it
    // is then shown instead of the draw, and a second Draw with the same hold goes ahead.
    bool HoldsBackDraw();
    // True while a variant's table is being built.
    bool IsWorking() const { return m_build.IsRunning(); }

protected:
    void showEvent(QShowEvent* pEvent) override;
    void hideEvent(QHideEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void BuildContent();
    // Each room a Tab stop, or several, in the order they stand.
    void ChainTabOrder();
    // The width the rooms have, inside the scrolled area's margins.
    int Room() const;
    // Says strText through the table's speaker.
    void Announce(const QString& strText);
    void Refresh();
    void RefreshStatus();
    // Starts building the table the coach waits for, when none is being built.
    void BuildNeededTable();
    // The same for the strategy chart the coach waits for, once it waits for no table.
    void BuildNeededPlayFigures();
    void BuildNeededChart();
    // Opens the history; when it cannot be, play goes on and the coach says why.
    void OpenHistory();

    CMultiHandDlg& m_dlg;
    QWidget* m_pTable;
    CCoach m_coach;
    CTrainer m_trainer{m_coach};
    std::unique_ptr<CHistoryDatabase> m_pHistory;
    CWindowJob m_build{this};  // stopped when the window goes

    QLabel* m_pStatus = nullptr;
    QWidget* m_pScrolled = nullptr;  // the rooms, which scroll as one
    CDealSection* m_pDeal = nullptr;
    CWarningSection* m_pWarning = nullptr;
    CHandsSection* m_pHands = nullptr;
    CSessionSection* m_pSession = nullptr;
    CStrategySection* m_pStrategy = nullptr;
    CCostlySection* m_pCostly = nullptr;
    CTrainingSection* m_pTraining = nullptr;
};

// The key C and the window menu's check item "&Coach" on the table's host; the coach follows
// the table from the start, so its session covers the whole run.
CCoachWindow* InstallCoach(CQtDialogHost& host, CMultiHandDlg& dlg);
