// Progress over time: per table and day, the share of decisions that were mistakes and what
// they cost per 100 decisions; and mastery per hand class of the chart, the share correct of
// the class's last 50 decisions, the classes whose mistakes cost most first. Drills are left
// out of the first (nothing was at stake) and counted in the second (they are decisions too).
#pragma once

#include <string>
#include <vector>

#include "training/decision_record.h"

struct CProgressPoint {
    std::string strTable;
    std::string strDay;  // "2026-12-09", UTC
    int nDecisions = 0;
    int nMistakes = 0;
    double dCost = 0.0;  // coins per hand given up, added over the day's decisions

    double ErrorRate() const { return nDecisions > 0 ? double(nMistakes) / nDecisions : 0.0; }
    double CostPer100() const { return nDecisions > 0 ? 100.0 * dCost / nDecisions : 0.0; }
    friend bool operator==(const CProgressPoint&, const CProgressPoint&) = default;
};

struct CMastery {
    std::string strClass;
    int nDecisions = 0;  // of the last kMasteryWindow
    int nCorrect = 0;
    double dCost = 0.0;  // coins per hand the mistakes among them gave up

    double Share() const { return nDecisions > 0 ? double(nCorrect) / nDecisions : 0.0; }
    friend bool operator==(const CMastery&, const CMastery&) = default;
};

constexpr int kMasteryWindow = 50;

// By table, then day, both ascending.
std::vector<CProgressPoint> ProgressOverTime(const std::vector<CDecisionRecord>& vecRecords);
// The family's classes (by their chart line; decisions without one are not counted), the
// costliest first, then by name.
std::vector<CMastery> MasteryByClass(const std::vector<CDecisionRecord>& vecRecords,
                                     const std::string& strFamily);
// The order both keep, for any source of the figures.
void SortProgress(std::vector<CProgressPoint>& vecPoints);
void SortMastery(std::vector<CMastery>& vecMastery);
