// The coach's "Strategy": the chart of the deal in view, its line for the deal marked and in
// view, the line of the hold played marked too, where the chart's hold falls short of the best
// hold by how much, and the chart on a card to save.
#pragma once

#include <functional>
#include <memory>

#include "ui/coach/coach_group.h"

class CCoach;
class CStrategyChart;
class QCheckBox;
class QPushButton;
class QTreeWidget;
struct CDealFigures;
struct CStrategyFigures;

// No Q_OBJECT: to Qt, and so to screen readers, this stays a CCoachGroup.
class CStrategySection : public CCoachGroup {
public:
    // penaltyCards: the player switched the chart's penalty cards on or off.
    CStrategySection(const CCoach& coach, QWidget* pParent,
                     std::function<void(bool bOn)> penaltyCards = {});

    void Refresh();
    QTreeWidget* ChartLines() const { return m_pChartLines; }
    QPushButton* SaveButton() const { return m_pSaveCard; }
    QCheckBox* PenaltyBox() const { return m_pPenalty; }

private:
    // How often the holds played were the chart's, and what holding otherwise came to.
    void RefreshSessionLine();
    // The chart's lines and return, when the chart is another than the one shown.
    void ShowChart(const std::shared_ptr<const CStrategyChart>& pChart);
    void MarkLines(const CStrategyFigures& figures);
    void RefreshPick(const CStrategyFigures& figures, const CDealFigures& deal);
    void SaveStrategyCard();

    const CCoach& m_coach;
    QTreeWidget* m_pChartLines = nullptr;
    CCoachFigure* m_pChartPick = nullptr;
    CCoachFigure* m_pChartReturn = nullptr;
    CCoachFigure* m_pChartSession = nullptr;
    QPushButton* m_pSaveCard = nullptr;
    QCheckBox* m_pPenalty = nullptr;
    std::shared_ptr<const CStrategyChart> m_pShownChart;  // the chart the list shows
};
