#include "strategy/chart_exceptions.h"

#include <algorithm>
#include <mutex>

#include "analysis/deal_classes.h"
#include "work/parallel_for.h"

namespace {

constexpr int kRanks = 15;  // by rank, 2 to 14
constexpr int kMaxLines = 64;

// What each exception would gain: [((line * lines + instead) * 2 + same suit) * kRanks + rank].
class CGainIndex {
public:
    explicit CGainIndex(int nLines) : m_nLines(nLines) {}
    int Lines() const { return m_nLines; }
    std::size_t Size() const { return At(m_nLines, 0, false, 0); }
    std::size_t At(int nLine, int nInstead, bool bSameSuit, int nRank) const {
        return static_cast<std::size_t>(
            ((nLine * m_nLines + nInstead) * 2 + (bSameSuit ? 1 : 0)) * kRanks + nRank);
    }
    CChartException Exception(std::size_t i, int& nLine) const {
        const auto n = static_cast<int>(i);
        nLine = n / kRanks / 2 / m_nLines;
        return {1u << (n % kRanks), n / kRanks % 2 != 0, n / kRanks / 2 % m_nLines};
    }

private:
    int m_nLines;
};

// What each exception on the line of the deal's chart hold would gain on it: the deal keeps the
// hold the chart gives it on a line below instead. A deal an exception sends on already counts
// for none.
void AddDealGains(const CStrategyChart& chart, const CHoldPays& pays, const CDealClass& deal,
                  const CGainIndex& index, const std::vector<bool>& vecCount, std::int8_t& nTop,
                  std::vector<std::int64_t>& vecGains) {
    if (nTop >= 0 && !vecCount[static_cast<std::size_t>(nTop)]) return;
    const int* pCodes = deal.arrCodes.data();
    const CHoldClasses& classes = chart.GetClasses();
    const int nKept = classes.KeptMask(pCodes);
    // The hold each line would keep: the higher cards; the chart's is on the top line.
    std::array<int, kMaxLines> arrBest, arrLow;
    std::array<std::uint32_t, kMaxLines> arrTie{}, arrLowTie{};
    arrBest.fill(-1);
    arrLow.fill(-1);
    int nLine = index.Lines();
    for (int nMask = 0; nMask < 32; ++nMask) {
        const int nOther = chart.LineOfSortedHold(pCodes, nMask, nKept);
        if (nOther < 0) continue;
        nLine = std::min(nLine, nOther);
        int arrSubset[5];
        const std::uint32_t nTie = HoldTieKey(arrSubset, MaskedCards(pCodes, nMask, arrSubset));
        auto& nBest = arrBest[static_cast<std::size_t>(nOther)];
        if (nBest < 0 || nTie > arrTie[static_cast<std::size_t>(nOther)])
            nBest = nMask, arrTie[static_cast<std::size_t>(nOther)] = nTie;
        auto& nLow = arrLow[static_cast<std::size_t>(nOther)];
        if (nLow < 0 || nTie < arrLowTie[static_cast<std::size_t>(nOther)])
            nLow = nMask, arrLowTie[static_cast<std::size_t>(nOther)] = nTie;
    }
    nTop = static_cast<std::int8_t>(nLine);  // the same on every pass: lines stay
    if (!vecCount[static_cast<std::size_t>(nLine)]) return;
    const int nChoice = arrBest[static_cast<std::size_t>(nLine)];
    // The hold a penalty card naming a line keeps: the lower cards where it names its own.
    const auto instead = [&](int nOther) {
        return nOther == nLine ? (arrLow[static_cast<std::size_t>(nLine)] == nChoice
                                      ? -1
                                      : arrLow[static_cast<std::size_t>(nLine)])
                               : arrBest[static_cast<std::size_t>(nOther)];
    };
    for (const CChartException& exception :
         chart.GetLines()[static_cast<std::size_t>(nLine)].vecExceptions)
        if (instead(exception.nInstead) >= 0 &&
            SpoilsHold(exception, classes.GetFamily(), pCodes, nChoice))
            return;  // an exception sends it on already
    std::int64_t arrValues[32];
    pays.HoldValues(pCodes, arrValues);
    const CFamily& family = classes.GetFamily();
    for (int i = 0; i < 5; ++i) {
        if ((nChoice >> i & 1) != 0 || family.IsWild(pCodes[i])) continue;
        for (const bool bSameSuit : {false, true}) {
            const int nRank = CardCodeRank(pCodes[i]);
            if (!SpoilsHold({1u << nRank, bSameSuit}, family, pCodes, nChoice)) continue;
            for (int nOther = nLine; nOther < index.Lines(); ++nOther)
                if (instead(nOther) >= 0)
                    vecGains[index.At(nLine, nOther, bSameSuit, nRank)] +=
                        deal.nDeals * (arrValues[instead(nOther)] - arrValues[nChoice]);
        }
    }
}

// Counts again the gains of the exceptions on the lines of vecCount, over the deals those lines
// decide; the other lines' gains stand, as nothing they depend on changed.
void CountGains(const CStrategyChart& chart, const CHoldPays& pays, const CGainIndex& index,
                const std::vector<bool>& vecCount, std::vector<std::int8_t>& vecTop,
                std::vector<std::int64_t>& vecGains) {
    for (std::size_t i = 0; i < vecGains.size(); ++i) {
        int nLine = 0;
        index.Exception(i, nLine);
        if (vecCount[static_cast<std::size_t>(nLine)]) vecGains[i] = 0;
    }
    const std::span<const CDealClass> vecDeals = DealClasses(pays.GetTable().GetCards());
    std::mutex mutex;
    ParallelFor(static_cast<int>(vecDeals.size()), 4096, [&](int nBegin, int nEnd) {
        std::vector<std::int64_t> vecPart(vecGains.size(), 0);
        for (int d = nBegin; d < nEnd; ++d)
            AddDealGains(chart, pays, vecDeals[static_cast<std::size_t>(d)], index, vecCount,
                         vecTop[static_cast<std::size_t>(d)], vecPart);
        std::lock_guard<std::mutex> lock(mutex);
        for (std::size_t i = 0; i < vecGains.size(); ++i) vecGains[i] += vecPart[i];
    });
}

// Takes the best exceptions of the gains, one per line: a rank more on a sub-line it has, or a
// new sub-line while there is room. Whether any was taken; vecDone, the lines that changed.
bool TakeExceptions(CStrategyChart& chart, const std::vector<std::int64_t>& vecGains,
                    const CGainIndex& index, std::int64_t nNewLine, std::int64_t nMoreRanks,
                    int& nSubLines, std::vector<bool>& vecDone) {
    std::vector<std::size_t> vecOrder;
    for (std::size_t i = 0; i < vecGains.size(); ++i)
        if (vecGains[i] >= nMoreRanks) vecOrder.push_back(i);
    std::sort(vecOrder.begin(), vecOrder.end(),
              [&](std::size_t a, std::size_t b) { return vecGains[a] > vecGains[b]; });
    vecDone.assign(static_cast<std::size_t>(index.Lines()), false);
    bool bTaken = false;
    for (const std::size_t i : vecOrder) {
        int nLine = 0;
        const CChartException found = index.Exception(i, nLine);
        if (vecDone[static_cast<std::size_t>(nLine)]) continue;
        std::vector<CChartException> vecExceptions =
            chart.GetLines()[static_cast<std::size_t>(nLine)].vecExceptions;
        auto it =
            std::find_if(vecExceptions.begin(), vecExceptions.end(), [&](const CChartException& e) {
                return e.bSameSuit == found.bSameSuit && e.nInstead == found.nInstead;
            });
        if (it == vecExceptions.end()) {
            if (nSubLines == 0 || vecGains[i] < nNewLine) continue;
            --nSubLines;
            vecExceptions.push_back(found);
        } else {
            it->nRanks |= found.nRanks;
        }
        chart.SetExceptions(nLine, std::move(vecExceptions));
        vecDone[static_cast<std::size_t>(nLine)] = true;
        bTaken = true;
    }
    return bTaken;
}

}  // namespace

bool AddChartExceptions(CStrategyChart& chart, const CHoldPays& pays, int nSubLines) {
    const CGainIndex index(static_cast<int>(chart.GetLines().size()));
    if (index.Lines() > kMaxLines) return true;
    // Worth a sub-line of its own from 0.00002 points, a rank more on one from 0.000005.
    const COutcomeTable& counts = pays.GetTable();
    const std::int64_t nNewLine = PointsInSums(counts, 0.00002);
    const std::int64_t nMoreRanks = PointsInSums(counts, 0.000005);
    std::vector<std::int64_t> vecGains(index.Size(), 0);
    std::vector<bool> vecChanged(static_cast<std::size_t>(index.Lines()), true);
    // Each deal's top line, once counted.
    std::vector<std::int8_t> vecTop(DealClasses(counts.GetCards()).size(), -1);
    for (int nPass = 0; nPass < 12; ++nPass) {
        CountGains(chart, pays, index, vecChanged, vecTop, vecGains);
        if (IsParallelWorkStopped()) return false;
        if (!TakeExceptions(chart, vecGains, index, nNewLine, nMoreRanks, nSubLines, vecChanged))
            break;
    }
    return true;
}

std::int64_t PointsInSums(const COutcomeTable& counts, double dPoints) {
    const double dPoint =
        static_cast<double>(counts.GetDrawLcm()) * static_cast<double>(counts.GetDeals()) / 100.0;
    return static_cast<std::int64_t>(dPoints * dPoint);
}
