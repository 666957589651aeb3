#include "strategy/strategy_chart.h"

#include <algorithm>
#include <bit>
#include <mutex>

#include "analysis/deal_classes.h"
#include "analysis/outcome_table.h"
#include "platform/afx.h"
#include "work/parallel_for.h"

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
    std::vector<int> vecAbove;
    for (std::size_t i = 0; i < m_vecLines.size(); ++i) {
        m_vecLines[i].strName = m_pClasses->LineName(m_vecLines[i].vecClasses, vecAbove);
        vecAbove.insert(vecAbove.end(), m_vecLines[i].vecClasses.begin(),
                        m_vecLines[i].vecClasses.end());
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

bool SpoilsHold(const CChartException& exception, const CFamily& family, const int* pSortedCodes,
                int nSortedMask) {
    int nHeldSuit = -1;  // the held natural cards' one suit; -2 where they have several
    for (int i = 0; i < 5; ++i) {
        if ((nSortedMask >> i & 1) == 0 || family.IsWild(pSortedCodes[i])) continue;
        const int nSuit = pSortedCodes[i] % 4;
        nHeldSuit = nHeldSuit == -1 || nHeldSuit == nSuit ? nSuit : -2;
    }
    for (int i = 0; i < 5; ++i) {
        const int nCode = pSortedCodes[i];
        if ((nSortedMask >> i & 1) != 0 || family.IsWild(nCode)) continue;
        if ((exception.nRanks >> CardCodeRank(nCode) & 1u) != 0 &&
            (!exception.bSameSuit || nCode % 4 == nHeldSuit))
            return true;
    }
    return false;
}

std::string ExceptionText(const std::vector<CChartLine>& vecLines, std::size_t nLine,
                          const CChartException& exception) {
    const auto nInstead = static_cast<std::size_t>(exception.nInstead);
    return exception.Name(nInstead == nLine ? "the lower cards" : vecLines[nInstead].strName);
}

int CStrategyChart::GetRowCount() const {
    int nRows = 0;
    for (const CChartLine& line : m_vecLines)
        nRows += 1 + static_cast<int>(line.vecExceptions.size());
    return nRows;
}

std::string CChartException::Name(const std::string& strInstead) const {
    static const char* const kRanks[] = {"",  "",  "2",  "3", "4", "5", "6", "7",
                                         "8", "9", "10", "J", "Q", "K", "A"};
    std::vector<int> vecRanks;
    for (int r = 2; r <= 14; ++r)
        if ((nRanks >> r & 1u) != 0) vecRanks.push_back(r);
    // Within the sentence "No deuce: ..." reads "no deuce: ...".
    std::string str = "but " + strInstead + " if ";
    if (strInstead.compare(0, 3, "No ") == 0) str[4] = 'n';
    if (vecRanks.size() == 13 || (vecRanks.size() == 12 && (nRanks & 4u) == 0)) {
        str += "any card";
    } else {
        str += vecRanks.front() == 8 || vecRanks.front() == 14 ? "an " : "a ";
        // Four ranks or more in a row read as a range: "a 2 to 9".
        const bool bRun = vecRanks.size() >= 4 && vecRanks.back() - vecRanks.front() + 1 ==
                                                      static_cast<int>(vecRanks.size());
        for (std::size_t i = 0; i < vecRanks.size(); ++i) {
            if (bRun && i > 0 && i + 1 < vecRanks.size()) continue;
            if (i > 0) str += bRun ? " to " : i + 1 < vecRanks.size() ? ", " : " or ";
            str += kRanks[vecRanks[i]];
        }
    }
    str += bSameSuit ? " of that suit is discarded" : " is discarded";
    return str;
}

int CStrategyChart::ChooseSorted(const int* pSortedCodes, int* pSortedMask) const {
    bool bSuitTie = false;
    return ChooseSortedTie(pSortedCodes, pSortedMask, bSuitTie);
}

// bSuitTie: the line held two sets of the same ranks, so the suits chose between them and a
// deal with its suits renamed may be played otherwise.
int CStrategyChart::ChooseSortedTie(const int* pSortedCodes, int* pSortedMask,
                                    bool& bSuitTie) const {
    const int nDeuceMask = m_pClasses->KeptMask(pSortedCodes);
    std::array<int, 32> arrLines;
    std::array<std::uint32_t, 32> arrTies{};
    int nTop = -1;
    for (int nMask = 0; nMask < 32; ++nMask) {
        const int nLine = LineOfSortedHold(pSortedCodes, nMask, nDeuceMask);
        arrLines[static_cast<std::size_t>(nMask)] = nLine;
        if (nLine < 0) continue;
        if (nTop < 0 || nLine < nTop) nTop = nLine;
        int arrSubset[5];
        const int nCount = MaskedCards(pSortedCodes, nMask, arrSubset);
        arrTies[static_cast<std::size_t>(nMask)] = HoldTieKey(arrSubset, nCount);
    }
    ASSERT(nTop >= 0);
    // The higher cards of a line's holds, or the lower; bSuitTie where two have the same ranks.
    const auto pickOf = [&](int nLine, bool bHigher, int& nPick) {
        nPick = -1;
        bSuitTie = false;
        for (int nMask = 0; nMask < 32; ++nMask) {
            if (arrLines[static_cast<std::size_t>(nMask)] != nLine) continue;
            const std::uint32_t nTie = arrTies[static_cast<std::size_t>(nMask)];
            const std::uint32_t nPickTie = nPick < 0 ? 0 : arrTies[static_cast<std::size_t>(nPick)];
            const bool bSameRanks = nPick >= 0 && nTie >> 10 == nPickTie >> 10;
            if (nPick < 0 || (bHigher ? nTie > nPickTie : nTie < nPickTie)) {
                bSuitTie = bSameRanks;
                nPick = nMask;
            } else if (bSameRanks) {
                bSuitTie = true;
            }
        }
    };
    int nChoice = -1;
    pickOf(nTop, true, nChoice);
    const bool bTopTie = bSuitTie;
    // A penalty card among the discards sends the deal to the line its exception names.
    for (const CChartException& exception :
         m_vecLines[static_cast<std::size_t>(nTop)].vecExceptions) {
        if (!SpoilsHold(exception, m_pClasses->GetFamily(), pSortedCodes, nChoice)) continue;
        int nInstead = -1;  // a penalty card naming its own line keeps the lower cards
        pickOf(exception.nInstead, exception.nInstead != nTop, nInstead);
        if (nInstead < 0 || nInstead == nChoice) continue;
        // Which hold the line took may have been the suits' choice, and so whether it is spoilt.
        bSuitTie = bSuitTie || bTopTie;
        *pSortedMask = nInstead;
        return exception.nInstead;
    }
    bSuitTie = bTopTie;
    *pSortedMask = nChoice;
    return nTop;
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

// What the chart and the best hold make of deals, added up, and each line's share.
struct CCostTotals {
    std::vector<CChartLine> vecLines;
    std::int64_t nChartSum = 0, nBestSum = 0;

    void Add(const CCostTotals& other) {
        for (std::size_t i = 0; i < vecLines.size(); ++i) {
            vecLines[i].nDeals += other.vecLines[i].nDeals;
            vecLines[i].nPaySum += other.vecLines[i].nPaySum;
            vecLines[i].nLossSum += other.vecLines[i].nLossSum;
        }
        nChartSum += other.nChartSum;
        nBestSum += other.nBestSum;
    }
};

namespace {

// The deals a deal's suits renamed make (itself among them), each once, sorted.
int SuitRenamings(const int* pSortedCodes, std::array<std::array<int, 5>, 24>& arrDeals) {
    std::array<int, 4> arrSuits = {0, 1, 2, 3};
    int nDeals = 0;
    do {
        std::array<int, 5> arrDeal;
        for (int i = 0; i < 5; ++i) {
            const int nCode = pSortedCodes[i];
            arrDeal[static_cast<std::size_t>(i)] =
                nCode >= JOKER_CODE ? nCode : nCode - nCode % 4 + arrSuits[nCode % 4];
        }
        SortCodes(arrDeal.data(), 5);
        if (std::find(arrDeals.begin(), arrDeals.begin() + nDeals, arrDeal) ==
            arrDeals.begin() + nDeals)
            arrDeals[static_cast<std::size_t>(nDeals++)] = arrDeal;
    } while (std::next_permutation(arrSuits.begin(), arrSuits.end()));
    return nDeals;
}

}  // namespace

void CStrategyChart::AddDealCost(const CHoldPays& pays, const int* pSortedCodes,
                                 std::int64_t nWeight, CCostTotals& totals) const {
    std::int64_t arrValues[32];
    pays.HoldValues(pSortedCodes, arrValues);
    int nMask = 0;
    bool bSuitTie = false;
    const int nLine = ChooseSortedTie(pSortedCodes, &nMask, bSuitTie);
    if (bSuitTie && nWeight > 1) {
        // Deals equal up to suits are played differently here: each one counted.
        std::array<std::array<int, 5>, 24> arrDeals;
        const int nDeals = SuitRenamings(pSortedCodes, arrDeals);
        ASSERT(nDeals == nWeight);
        for (int i = 0; i < nDeals; ++i)
            AddDealCost(pays, arrDeals[static_cast<std::size_t>(i)].data(), 1, totals);
        return;
    }
    const std::int64_t nBest = *std::max_element(arrValues, arrValues + 32);
    CChartLine& line = totals.vecLines[static_cast<std::size_t>(nLine)];
    line.nDeals += nWeight;
    line.nPaySum += nWeight * arrValues[nMask];
    line.nLossSum += nWeight * (nBest - arrValues[nMask]);
    totals.nChartSum += nWeight * arrValues[nMask];
    totals.nBestSum += nWeight * nBest;
}

// One deal of each class of deals equal up to suits, weighted by the class's size: the chart
// plays every deal of a class alike unless suits break a tie, and those are counted one by one.
void CountChartCost(CStrategyChart& chart, const CHoldPays& pays) {
    const std::size_t nLines = chart.m_vecLines.size();
    std::mutex mutex;
    CCostTotals totals;
    totals.vecLines.resize(nLines);
    const COutcomeTable& counts = pays.GetTable();
    const std::span<const CDealClass> vecClasses = DealClasses(counts.GetCards());
    ParallelFor(static_cast<int>(vecClasses.size()), 4096, [&](int nBegin, int nEnd) {
        CCostTotals part;
        part.vecLines.resize(nLines);
        for (int d = nBegin; d < nEnd; ++d) {
            const CDealClass& deal = vecClasses[static_cast<std::size_t>(d)];
            chart.AddDealCost(pays, deal.arrCodes.data(), deal.nDeals, part);
        }
        std::lock_guard<std::mutex> lock(mutex);
        totals.Add(part);
    });
    for (std::size_t i = 0; i < nLines; ++i) {
        chart.m_vecLines[i].nDeals = totals.vecLines[i].nDeals;
        chart.m_vecLines[i].nPaySum = totals.vecLines[i].nPaySum;
        chart.m_vecLines[i].nLossSum = totals.vecLines[i].nLossSum;
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
    chart.m_chartReturn = makeReturn(totals.nChartSum);
    chart.m_optimalReturn = makeReturn(totals.nBestSum);
}
