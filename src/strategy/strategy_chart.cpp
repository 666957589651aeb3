#include "strategy/strategy_chart.h"

#include <algorithm>
#include <bit>
#include <mutex>

#include "analysis/outcome_table.h"
#include "platform/afx.h"
#include "work/parallel_for.h"

namespace {}  // namespace

double CChartLine::AveragePay() const {
    return nDeals > 0 ? static_cast<double>(nPaySum) / static_cast<double>(nDrawLcm) /
                            static_cast<double>(nDeals)
                      : 0.0;
}

double CChartLine::Share() const {
    return static_cast<double>(nDeals) / static_cast<double>(nAllDeals);
}

double CChartLine::LossPoints() const {
    return 100.0 * static_cast<double>(nLossSum) / static_cast<double>(nDrawLcm) /
           static_cast<double>(nAllDeals);
}

CStrategyChart::CStrategyChart(CPayTable table, int nBet,
                               std::shared_ptr<const CHoldClasses> pClasses,
                               std::vector<CChartLine> vecLines)
    : m_table(std::move(table)),
      m_nBet(nBet),
      m_pClasses(std::move(pClasses)),
      m_vecLines(std::move(vecLines)),
      m_vecLineOfClass(static_cast<std::size_t>(m_pClasses->GetClassCount()), -1) {
    for (std::size_t i = 0; i < m_vecLines.size(); ++i) {
        m_vecLines[i].strName = m_pClasses->LineName(m_vecLines[i].vecClasses);
        for (int nClass : m_vecLines[i].vecClasses)
            m_vecLineOfClass[static_cast<std::size_t>(nClass)] = static_cast<int>(i);
    }
}

int CStrategyChart::LineOfSortedHold(const int* pSortedCodes, int nSortedMask,
                                     int nDeuceMask) const {
    if ((nSortedMask & nDeuceMask) != nDeuceMask) return -1;
    int arrSubset[5];
    const int nCount = MaskedCards(pSortedCodes, nSortedMask, arrSubset);
    return m_vecLineOfClass[static_cast<std::size_t>(m_pClasses->ClassOf(arrSubset, nCount))];
}

int CStrategyChart::ChooseSorted(const int* pSortedCodes, int* pSortedMask) const {
    const int nDeuceMask = m_pClasses->KeptMask(pSortedCodes);
    int nBestLine = -1, nBestMask = 0;
    std::uint32_t nBestTie = 0;
    for (int nMask = 0; nMask < 32; ++nMask) {
        const int nLine = LineOfSortedHold(pSortedCodes, nMask, nDeuceMask);
        if (nLine < 0 || (nBestLine >= 0 && nLine > nBestLine)) continue;
        int arrSubset[5];
        const int nCount = MaskedCards(pSortedCodes, nMask, arrSubset);
        const std::uint32_t nTie = HoldTieKey(arrSubset, nCount);
        if (nBestLine < 0 || nLine < nBestLine || nTie > nBestTie) {
            nBestLine = nLine;
            nBestMask = nMask;
            nBestTie = nTie;
        }
    }
    ASSERT(nBestLine >= 0);
    *pSortedMask = nBestMask;
    return nBestLine;
}

CChartChoice CStrategyChart::Choose(const std::array<int, 5>& arrCodes) const {
    const CSortedDeal deal(arrCodes);
    CChartChoice choice;
    if (!deal.bValid) return choice;
    int nSortedMask = 0;
    choice.nLine = ChooseSorted(deal.arrSorted, &nSortedMask);
    choice.nHoldMask = deal.HoldMask(nSortedMask);
    return choice;
}

int CStrategyChart::LineOfHold(const std::array<int, 5>& arrCodes, int nHoldMask) const {
    const CSortedDeal deal(arrCodes);
    if (!deal.bValid) return -1;
    int nSortedMask = 0;
    for (int i = 0; i < 5; ++i)
        if (nHoldMask & (1 << deal.arrPosition[static_cast<std::size_t>(i)])) nSortedMask |= 1 << i;
    return LineOfSortedHold(deal.arrSorted, nSortedMask, m_pClasses->KeptMask(deal.arrSorted));
}

double CStrategyChart::GapPoints() const {
    return 100.0 * static_cast<double>(m_optimalReturn.nNumerator - m_chartReturn.nNumerator) /
           static_cast<double>(m_chartReturn.nDenominator);
}

void CountChartCost(CStrategyChart& chart, const CHoldPays& pays) {
    const std::size_t nLines = chart.m_vecLines.size();
    std::mutex mutex;
    std::vector<CChartLine> vecTotals(nLines);
    std::int64_t nChartSum = 0, nBestSum = 0;
    const COutcomeTable& counts = pays.GetTable();
    // One chunk per highest card, as hands are numbered.
    ParallelFor(counts.GetCards() - 4, 1, [&](int nBegin, int nEnd) {
        std::vector<CChartLine> vecPart(nLines);
        std::int64_t nChartPart = 0, nBestPart = 0;
        int arrCodes[5];
        for (int e = nBegin + 4; e < nEnd + 4; ++e) {
            arrCodes[4] = e;
            for (arrCodes[3] = 3; arrCodes[3] < e; ++arrCodes[3])
                for (arrCodes[2] = 2; arrCodes[2] < arrCodes[3]; ++arrCodes[2])
                    for (arrCodes[1] = 1; arrCodes[1] < arrCodes[2]; ++arrCodes[1])
                        for (arrCodes[0] = 0; arrCodes[0] < arrCodes[1]; ++arrCodes[0]) {
                            std::int64_t arrValues[32];
                            pays.HoldValues(arrCodes, arrValues);
                            int nMask = 0;
                            const int nLine = chart.ChooseSorted(arrCodes, &nMask);
                            const std::int64_t nBest = *std::max_element(arrValues, arrValues + 32);
                            CChartLine& line = vecPart[static_cast<std::size_t>(nLine)];
                            ++line.nDeals;
                            line.nPaySum += arrValues[nMask];
                            line.nLossSum += nBest - arrValues[nMask];
                            nChartPart += arrValues[nMask];
                            nBestPart += nBest;
                        }
        }
        std::lock_guard<std::mutex> lock(mutex);
        for (std::size_t i = 0; i < nLines; ++i) {
            vecTotals[i].nDeals += vecPart[i].nDeals;
            vecTotals[i].nPaySum += vecPart[i].nPaySum;
            vecTotals[i].nLossSum += vecPart[i].nLossSum;
        }
        nChartSum += nChartPart;
        nBestSum += nBestPart;
    });
    for (std::size_t i = 0; i < nLines; ++i) {
        chart.m_vecLines[i].nDeals = vecTotals[i].nDeals;
        chart.m_vecLines[i].nPaySum = vecTotals[i].nPaySum;
        chart.m_vecLines[i].nLossSum = vecTotals[i].nLossSum;
        chart.m_vecLines[i].nDrawLcm = counts.GetDrawLcm();
        chart.m_vecLines[i].nAllDeals = counts.GetDeals();
    }
    const auto makeReturn = [&counts](std::int64_t nSum) {
        CGameReturn result;
        result.nNumerator = nSum;
        result.nDenominator = counts.GetDrawLcm() * counts.GetDeals();
        result.dReturn = static_cast<double>(nSum) / static_cast<double>(result.nDenominator);
        return result;
    };
    chart.m_chartReturn = makeReturn(nChartSum);
    chart.m_optimalReturn = makeReturn(nBestSum);
}
