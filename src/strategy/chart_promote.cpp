#include "strategy/chart_promote.h"

#include <algorithm>
#include <mutex>

#include "analysis/deal_classes.h"
#include "strategy/chart_exceptions.h"
#include "work/parallel_for.h"

namespace {

// A class and the line above which it is tried, with what the line gives up to it.
struct CCandidate {
    std::int64_t nLoss = 0;
    int nClass = -1, nLine = -1;
};

// What each line gives up, over one deal of each class of deals equal up to suits, to the
// class of the best hold the chart could keep, where that class is on no line or a lower one:
// [line * classes + class].
std::vector<std::int64_t> LossesToLowerClasses(const CStrategyChart& chart, const CHoldPays& pays) {
    const CHoldClasses& classes = chart.GetClasses();
    const auto nClasses = static_cast<std::size_t>(classes.GetClassCount());
    std::vector<std::int64_t> vecLosses(chart.GetLines().size() * nClasses, 0);
    const std::span<const CDealClass> vecDeals = DealClasses(pays.GetTable().GetCards());
    std::mutex mutex;
    ParallelFor(static_cast<int>(vecDeals.size()), 4096, [&](int nBegin, int nEnd) {
        std::vector<std::int64_t> vecPart(vecLosses.size(), 0);
        for (int d = nBegin; d < nEnd; ++d) {
            const CDealClass& deal = vecDeals[static_cast<std::size_t>(d)];
            const int* pCodes = deal.arrCodes.data();
            int nChoice = 0;
            const int nLine = chart.ChooseSorted(pCodes, &nChoice);
            std::int64_t arrValues[32];
            pays.HoldValues(pCodes, arrValues);
            const int nKept = classes.KeptMask(pCodes);
            int nBest = nChoice;
            for (int nMask = 0; nMask < 32; ++nMask)
                if ((nMask & nKept) == nKept && arrValues[nMask] > arrValues[nBest]) nBest = nMask;
            if (nBest == nChoice) continue;
            const int nBestLine = chart.LineOfSortedHold(pCodes, nBest, nKept);
            if (nBestLine >= 0 && nBestLine <= nLine) continue;  // the tie rule, or a penalty card
            int arrHeld[5];
            const int nClass = classes.ClassOf(arrHeld, MaskedCards(pCodes, nBest, arrHeld));
            vecPart[static_cast<std::size_t>(nLine) * nClasses +
                    static_cast<std::size_t>(nClass)] +=
                deal.nDeals * (arrValues[nBest] - arrValues[nChoice]);
        }
        std::lock_guard<std::mutex> lock(mutex);
        for (std::size_t i = 0; i < vecLosses.size(); ++i) vecLosses[i] += vecPart[i];
    });
    return vecLosses;
}

// The chart's lines with the classes taken off their lines (a line left empty goes) and put on
// a line of their own just above nLine; penalty cards follow the lines they name. Empty where a
// penalty card names a line that goes.
std::vector<CChartLine> LinesWithClassesAbove(const CStrategyChart& chart,
                                              const std::vector<int>& vecClasses, int nLine) {
    const std::vector<CChartLine>& vecOld = chart.GetLines();
    std::vector<CChartLine> vecLines;
    std::vector<int> vecNewIndex(vecOld.size(), -1);
    for (std::size_t i = 0; i < vecOld.size(); ++i) {
        if (static_cast<int>(i) == nLine) {
            CChartLine promoted;
            promoted.vecClasses = vecClasses;
            vecLines.push_back(promoted);
        }
        CChartLine line;
        line.vecClasses = vecOld[i].vecClasses;
        line.vecExceptions = vecOld[i].vecExceptions;
        std::erase_if(line.vecClasses, [&](int c) {
            return std::find(vecClasses.begin(), vecClasses.end(), c) != vecClasses.end();
        });
        if (line.vecClasses.empty()) continue;
        vecNewIndex[i] = static_cast<int>(vecLines.size());
        vecLines.push_back(std::move(line));
    }
    for (CChartLine& line : vecLines)
        for (CChartException& exception : line.vecExceptions) {
            exception.nInstead = vecNewIndex[static_cast<std::size_t>(exception.nInstead)];
            if (exception.nInstead < 0) return {};
        }
    return vecLines;
}

}  // namespace

bool PromoteWithPenaltyCards(std::shared_ptr<CStrategyChart>& pChart, const CHoldPays& pays,
                             int nTries, int nMaxRows) {
    const std::shared_ptr<const CHoldClasses> pClasses = pChart->GetSharedClasses();
    const auto nClasses = static_cast<std::size_t>(pClasses->GetClassCount());
    std::vector<std::pair<int, int>> vecTried;  // class, and the first class of the line
    // Worth a try from 0.0002 points given up: less could not pay for the rows.
    const std::int64_t nLeast = PointsInSums(pays.GetTable(), 0.0002);
    for (bool bTaken = true; bTaken && nTries > 0;) {
        const std::vector<std::int64_t> vecLosses = LossesToLowerClasses(*pChart, pays);
        if (IsParallelWorkStopped()) return false;
        std::vector<CCandidate> vecCandidates;
        for (std::size_t i = 0; i < vecLosses.size(); ++i)
            if (vecLosses[i] >= nLeast)
                vecCandidates.push_back(
                    {vecLosses[i], static_cast<int>(i % nClasses), static_cast<int>(i / nClasses)});
        std::sort(vecCandidates.begin(), vecCandidates.end(),
                  [](const CCandidate& a, const CCandidate& b) { return a.nLoss > b.nLoss; });
        bTaken = false;
        for (const CCandidate& candidate : vecCandidates) {
            if (nTries == 0) break;
            const std::pair<int, int> tried = {
                candidate.nClass,
                pChart->GetLines()[static_cast<std::size_t>(candidate.nLine)].vecClasses.front()};
            if (std::find(vecTried.begin(), vecTried.end(), tried) != vecTried.end()) continue;
            vecTried.push_back(tried);
            --nTries;
            // With the classes of its group the line also loses to: one line, as a card says.
            std::vector<int> vecPromoted = {candidate.nClass};
            for (std::size_t c = 0; c < nClasses; ++c)
                if (static_cast<int>(c) != candidate.nClass &&
                    vecLosses[static_cast<std::size_t>(candidate.nLine) * nClasses + c] > 0 &&
                    pClasses->CanShareLine(candidate.nClass, static_cast<int>(c)))
                    vecPromoted.push_back(static_cast<int>(c));
            std::vector<CChartLine> vecLines =
                LinesWithClassesAbove(*pChart, vecPromoted, candidate.nLine);
            if (vecLines.empty()) continue;
            auto pTried = std::make_shared<CStrategyChart>(pChart->GetPayTable(), pChart->GetBet(),
                                                           pClasses, std::move(vecLines));
            const int nRoom = nMaxRows - pTried->GetRowCount();
            if (nRoom < 1) continue;  // a penalty card at least
            if (!AddChartExceptions(*pTried, pays, nRoom)) return false;
            CountChartCost(*pTried, pays);
            if (IsParallelWorkStopped()) return false;
            if (pTried->GapPoints() < pChart->GapPoints()) {
                pChart = pTried;
                bTaken = true;
                break;
            }
        }
    }
    return true;
}
