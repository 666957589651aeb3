#include "training/progress.h"

#include <algorithm>
#include <map>
#include <tuple>

std::vector<CProgressPoint> ProgressOverTime(const std::vector<CDecisionRecord>& vecRecords) {
    std::map<std::pair<std::string, std::string>, CProgressPoint> mapPoints;
    for (const CDecisionRecord& record : vecRecords) {
        if (record.bDrill) continue;
        const std::string strDay = record.strPlayedAt.substr(0, 10);
        CProgressPoint& point = mapPoints[{record.strTableName, strDay}];
        point.strTable = record.strTableName;
        point.strDay = strDay;
        ++point.nDecisions;
        if (record.eGrade == EGrade::Correct) continue;
        ++point.nMistakes;
        point.dCost += CostPerCoin(record) * record.nBet;
    }
    std::vector<CProgressPoint> vecPoints;
    for (const auto& [key, point] : mapPoints) vecPoints.push_back(point);
    SortProgress(vecPoints);
    return vecPoints;
}

std::vector<CMastery> MasteryByClass(const std::vector<CDecisionRecord>& vecRecords,
                                     const std::string& strFamily) {
    std::map<std::string, CMastery> mapClasses;
    // Newest first, so each class takes its last decisions.
    for (auto it = vecRecords.rbegin(); it != vecRecords.rend(); ++it) {
        if (it->strFamily != strFamily || !it->chartLine) continue;
        CMastery& mastery = mapClasses[*it->chartLine];
        mastery.strClass = *it->chartLine;
        if (mastery.nDecisions >= kMasteryWindow) continue;
        ++mastery.nDecisions;
        if (it->eGrade == EGrade::Correct) {
            ++mastery.nCorrect;
        } else {
            mastery.dCost += CostPerCoin(*it) * it->nBet;
        }
    }
    std::vector<CMastery> vecMastery;
    for (const auto& [strClass, mastery] : mapClasses) vecMastery.push_back(mastery);
    SortMastery(vecMastery);
    return vecMastery;
}

void SortProgress(std::vector<CProgressPoint>& vecPoints) {
    std::sort(vecPoints.begin(), vecPoints.end(), [](const auto& a, const auto& b) {
        return std::tie(a.strTable, a.strDay) < std::tie(b.strTable, b.strDay);
    });
}

void SortMastery(std::vector<CMastery>& vecMastery) {
    std::sort(vecMastery.begin(), vecMastery.end(), [](const CMastery& a, const CMastery& b) {
        // Costs from a database's sums may differ in the last bits: compared to a millionth.
        const long long nA = static_cast<long long>(a.dCost * 1e6 + 0.5);
        const long long nB = static_cast<long long>(b.dCost * 1e6 + 0.5);
        return nA != nB ? nA > nB : a.strClass < b.strClass;
    });
}
