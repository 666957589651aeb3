// The coach's "Session": the deals, hands and coins played since the start, the returns of the
// holds played and of the best ones, and what the other holds cost.
#pragma once

#include <functional>
#include <vector>

#include "ui/coach/coach_group.h"

class CCoach;
class QLabel;

// No Q_OBJECT: to Qt, and so to screen readers, this stays a CCoachGroup.
class CSessionSection : public CCoachGroup {
public:
    // fnRoom tells the width the section has in the window.
    CSessionSection(const CCoach& coach, QWidget* pParent, std::function<int()> fnRoom);

    void Refresh();
    // The figures two pairs to a row where the coach is wide enough, else one.
    void FitColumns();

private:
    void LayOut(int nColumns);

    const CCoach& m_coach;
    std::function<int()> m_fnRoom;
    std::vector<QWidget*> m_vecNames;
    std::vector<CCoachFigure*> m_vecValues;
    int m_nColumns = 0;
    int m_nOneColumnRoom = 0;  // the width at which two pairs a row last did not fit
};
