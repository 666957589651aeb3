// The coach's "This deal": the deal in view, its 32 holds ranked by their pay per coin, the
// hold played and what it costs against the best one.
#pragma once

#include "ui/coach/coach_group.h"

class CCoach;
struct CDealFigures;
class QTreeWidget;

// No Q_OBJECT: to Qt, and so to screen readers, this stays a CCoachGroup.
class CDealSection : public CCoachGroup {
public:
    CDealSection(const CCoach& coach, QWidget* pParent);

    void Refresh();
    QTreeWidget* Ranking() const { return m_pRanking; }

protected:
    // The ranking's height is known only once its layout has run: on its first showing with a
    // deal, and whenever the window changes size.
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void FillRanking(const CDealFigures& figures);
    // Rank 1 and the hold played both in sight: the ranks between go when they do not fit.
    void KeepRanksInView();

    const CCoach& m_coach;
    CCoachFigure* m_pDealCards;
    QTreeWidget* m_pRanking;
    CCoachFigure* m_pRank = nullptr;
    CCoachFigure* m_pCost = nullptr;
    int m_nCurrentRank = 0;
};
