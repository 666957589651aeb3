// The coach's "Over N hands": what the hold played may bring over the hands in play, category
// by category (probability, hands expected, hands drawn), and the win expected and drawn.
#pragma once

#include <vector>

#include "ui/coach/coach_group.h"

class CCoach;
class CCoachBar;
struct CCategoryFigure;
struct COverHandsFigures;

// No Q_OBJECT: to Qt, and so to screen readers, this stays a CCoachGroup.
class CHandsSection : public CCoachGroup {
public:
    // The figures' columns are as wide as pWindow's font needs for the widest figure.
    CHandsSection(const CCoach& coach, QWidget* pWindow);

    void Refresh();

private:
    struct CChartRow {
        CCoachFigure* pName;
        CCoachBar* pBar;
        CCoachFigure* pProbability;
        CCoachFigure* pExpected;
        CCoachFigure* pActual;
    };
    CChartRow MakeRow(const QFontMetrics& metrics);
    void RefreshRow(const CChartRow& row, const CCategoryFigure& category, bool bDrawn);
    void RefreshWins(const COverHandsFigures& figures);
    void RefreshRound(const COverHandsFigures& figures);

    const CCoach& m_coach;
    std::vector<CChartRow> m_vecChartRows;
    CCoachFigure* m_pExpectedWin = nullptr;
    CCoachFigure* m_pActualWin = nullptr;
    CCoachFigure* m_pRound = nullptr;
};
