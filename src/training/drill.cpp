#include "training/drill.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

#include "analysis/card_code.h"
#include "strategy/strategy_chart.h"

namespace {

double CostPerHand(const CDecisionRecord& record) {
    return CostPerCoin(record) * record.nBet;
}

}  // namespace

std::vector<CClassCost> WeakSpots(const std::vector<CDecisionRecord>& vecRecords,
                                  const std::string& strFamily, const CClassify& classify) {
    std::map<std::string, CClassCost> mapClasses;
    for (const CDecisionRecord& record : vecRecords) {
        if (record.strFamily != strFamily) continue;
        const std::optional<std::string> strClass = classify(record);
        if (!strClass) continue;
        CClassCost& cls = mapClasses[*strClass];
        cls.strClass = *strClass;
        ++cls.nDecisions;
        if (record.eGrade == EGrade::Correct) continue;
        ++cls.nMistakes;
        cls.dCost += CostPerHand(record);
    }
    std::vector<CClassCost> vecSpots;
    for (const auto& [strClass, cls] : mapClasses)
        if (cls.nMistakes > 0) vecSpots.push_back(cls);
    std::stable_sort(vecSpots.begin(), vecSpots.end(),
                     [](const CClassCost& a, const CClassCost& b) { return a.dCost > b.dCost; });
    return vecSpots;
}

std::vector<std::array<int, 5>> PastMistakes(const std::vector<CDecisionRecord>& vecRecords,
                                             const std::string& strFamily, int nCount) {
    std::vector<const CDecisionRecord*> vecMistakes;
    for (const CDecisionRecord& record : vecRecords)
        if (record.strFamily == strFamily && record.eGrade != EGrade::Correct)
            vecMistakes.push_back(&record);
    std::stable_sort(vecMistakes.begin(), vecMistakes.end(),
                     [](const CDecisionRecord* a, const CDecisionRecord* b) {
                         return CostPerHand(*a) > CostPerHand(*b);
                     });
    std::vector<std::array<int, 5>> vecDeals;
    std::set<std::string> setSeen;
    for (const CDecisionRecord* pRecord : vecMistakes) {
        const std::vector<int> vecCodes = ParseCards(pRecord->strDeal);
        if (vecCodes.size() != 5 || !setSeen.insert(pRecord->strDeal).second) continue;
        std::array<int, 5> arrDeal{};
        std::copy(vecCodes.begin(), vecCodes.end(), arrDeal.begin());
        vecDeals.push_back(arrDeal);
        if (static_cast<int>(vecDeals.size()) >= nCount) break;
    }
    return vecDeals;
}

std::optional<std::array<int, 5>> RandomDealOfLine(const CStrategyChart& chart, int nLine,
                                                   std::mt19937& random, int nTries) {
    const int nCards = chart.GetPayTable().Family().nCards;
    std::uniform_int_distribution<int> pick(0, nCards - 1);
    for (int nTry = 0; nTry < nTries; ++nTry) {
        std::array<int, 5> arrDeal{};
        for (size_t i = 0; i < arrDeal.size(); ++i) {
            do {
                arrDeal[i] = pick(random);
            } while (std::find(arrDeal.begin(), arrDeal.begin() + static_cast<long>(i),
                               arrDeal[i]) != arrDeal.begin() + static_cast<long>(i));
        }
        // The 53rd card of a joker deck is the joker.
        for (int& nCode : arrDeal)
            if (nCode == CARD_CODES) nCode = JOKER_CODE;
        if (chart.Choose(arrDeal).nLine == nLine) return arrDeal;
    }
    return std::nullopt;
}

std::vector<std::array<int, 5>> DealsOfLines(const CStrategyChart& chart,
                                             const std::vector<std::string>& vecLines, int nCount,
                                             std::mt19937& random) {
    std::vector<int> vecLineNumbers;
    const std::vector<CChartLine>& vecChart = chart.GetLines();
    for (const std::string& strLine : vecLines)
        for (size_t i = 0; i < vecChart.size(); ++i)
            if (vecChart[i].strName == strLine) vecLineNumbers.push_back(static_cast<int>(i));
    std::vector<std::array<int, 5>> vecDeals;
    for (size_t k = 0; !vecLineNumbers.empty() && static_cast<int>(vecDeals.size()) < nCount;) {
        const size_t nAt = k % vecLineNumbers.size();
        if (const auto deal = RandomDealOfLine(chart, vecLineNumbers[nAt], random)) {
            vecDeals.push_back(*deal);
            ++k;
        } else {
            vecLineNumbers.erase(vecLineNumbers.begin() + static_cast<long>(nAt));
        }
    }
    return vecDeals;
}

std::optional<std::string> ChartLineName(const CStrategyChart& chart,
                                         const std::array<int, 5>& arrCodes) {
    const int nLine = chart.Choose(arrCodes).nLine;
    if (nLine < 0 || nLine >= static_cast<int>(chart.GetLines().size())) return std::nullopt;
    return chart.GetLines()[static_cast<size_t>(nLine)].strName;
}

void CRoundSummary::Add(EGrade eGrade, double dCostPerHand) {
    (eGrade == EGrade::Correct ? nRight : eGrade == EGrade::Minor ? nMinor : nMajor) += 1;
    dCost += dCostPerHand;
}

std::string SummaryText(const CRoundSummary& summary) {
    char szCost[32] = {};
    std::snprintf(szCost, sizeof szCost, "%.2f", summary.dCost);
    return "Practice round: " + std::to_string(summary.nRight) + " right, " +
           std::to_string(summary.nMinor) + " minor, " + std::to_string(summary.nMajor) +
           " major; the mistakes gave up " + szCost + " coins a hand.";
}
