// The coach's figures as its rooms write them: cards with suit symbols, coins and percentages
// to a fixed number of places, exact fractions for the tooltips, and the red of a cost.
#pragma once

#include <QColor>
#include <QString>

#include <array>
#include <string>

class CFraction;
class QWidget;

// "10♥": the rank as the odds command writes it, the suit as a symbol.
QString CardText(int nCode);
// The five cards, "10♥ J♥ 2♣ 7♠ 7♦".
QString DealText(const std::array<int, 5>& arrCodes);
// The cards of the mask (bit i: card i), or "nothing (draw five)".
QString HoldText(const std::array<int, 5>& arrCodes, int nMask);
QString Number(double d, int nDecimals);
QString Coins(const CFraction& coins);
QString Percent(const CFraction& fraction);
QString Exactly(const CFraction& fraction);
inline QString Text(const std::string& str) {
    return QString::fromStdString(str);
}

// The ink of a cost, and a figure written in it when bCostly (else in its parent's ink).
QColor CostColour();
void SetCostColour(QWidget* pWidget, bool bCostly);
