// Drills: deals chosen where the player's mistakes cost most (by the strategy chart's hand
// classes, from the history), from a class the player picks, or the past mistakes again; and
// a round's summary.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "training/decision_record.h"

class CStrategyChart;

// The class of a kept decision: its chart line, or none where it cannot be told.
using CClassify = std::function<std::optional<std::string>(const CDecisionRecord&)>;

struct CClassCost {
    std::string strClass;
    int nDecisions = 0;
    int nMistakes = 0;
    double dCost = 0.0;  // coins per hand the mistakes gave up, at their bets
};

// The family's classes with a costly mistake, the costliest first.
std::vector<CClassCost> WeakSpots(const std::vector<CDecisionRecord>& vecRecords,
                                  const std::string& strFamily, const CClassify& classify);
// The family's mistakes, the costliest first, each deal once, at most nCount.
std::vector<std::array<int, 5>> PastMistakes(const std::vector<CDecisionRecord>& vecRecords,
                                             const std::string& strFamily, int nCount);
// A random deal of the chart's family that the chart decides on line nLine; none when nTries
// deals gave none (a line as rare as a dealt royal).
std::optional<std::array<int, 5>> RandomDealOfLine(const CStrategyChart& chart, int nLine,
                                                   std::mt19937& random, int nTries = 200000);
// nCount deals from the lines named, in turn; lines that give none are left out.
std::vector<std::array<int, 5>> DealsOfLines(const CStrategyChart& chart,
                                             const std::vector<std::string>& vecLines, int nCount,
                                             std::mt19937& random);
// The chart's line that decides a deal: its name, or none.
std::optional<std::string> ChartLineName(const CStrategyChart& chart,
                                         const std::array<int, 5>& arrCodes);

struct CRoundSummary {
    int nRight = 0;
    int nMinor = 0;
    int nMajor = 0;
    double dCost = 0.0;  // coins per hand given up
    int Count() const { return nRight + nMinor + nMajor; }
    void Add(EGrade eGrade, double dCostPerHand);
};
// "Practice round: 7 right, 2 minor, 1 major; the mistakes gave up 0.42 coins a hand."
std::string SummaryText(const CRoundSummary& summary);
