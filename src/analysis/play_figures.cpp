#include "analysis/play_figures.h"

#include <cmath>
#include <mutex>
#include <span>

#include "analysis/deal_classes.h"

double CPlayFigures::RoundVariance(int nHands) const {
    const double n = static_cast<double>(nHands);
    return n * dVariance + n * (n - 1.0) * dCovariance;
}

double CPlayFigures::RoundDeviation(int nHands) const {
    return std::sqrt(std::max(0.0, RoundVariance(nHands)));
}

int PlayedHold(const std::int64_t* pValues, const std::int64_t* pSquares) {
    int nBest = 0;
    for (int nMask = 1; nMask < 32; ++nMask)
        if (pValues[nMask] > pValues[nBest] ||
            (pValues[nMask] == pValues[nBest] && pSquares[nMask] < pSquares[nBest]))
            nBest = nMask;
    return nBest;
}

namespace {

// Sums over deals, each deal's figures scaled by the draw LCM: the mean exactly, the squares
// (which overflow 64 bits) in long double.
struct CPlaySums {
    std::int64_t nMean = 0;
    long double ldSquare = 0;      // of the pay squared, expected given the deal
    long double ldMeanSquare = 0;  // of the expected pay given the deal, squared

    void Add(const CPlaySums& other) {
        nMean += other.nMean;
        ldSquare += other.ldSquare;
        ldMeanSquare += other.ldMeanSquare;
    }
};

}  // namespace

CPlayFigures ComputePlayFigures(const COutcomeTable& counts, const CPayTable& table, int nBet,
                                const CProgressFunction& progress) {
    const CHoldPays pays = counts.ApplyPays(table, nBet);
    const std::span<const CDealClass> vecClasses = DealClasses(counts.GetCards());
    std::mutex mutex;
    CPlaySums total;
    ParallelFor(
        static_cast<int>(vecClasses.size()), 2048,
        [&](int nBegin, int nEnd) {
            CPlaySums part;
            for (int i = nBegin; i < nEnd; ++i) {
                const CDealClass& dealClass = vecClasses[static_cast<std::size_t>(i)];
                std::int64_t arrValues[32], arrSquares[32];
                pays.HoldValues(dealClass.arrCodes.data(), arrValues);
                pays.HoldSquareValues(dealClass.arrCodes.data(), arrSquares);
                const std::size_t nHold =
                    static_cast<std::size_t>(PlayedHold(arrValues, arrSquares));
                const long double ldMean = static_cast<long double>(arrValues[nHold]);
                part.nMean += arrValues[nHold] * dealClass.nDeals;
                part.ldSquare += static_cast<long double>(arrSquares[nHold]) * dealClass.nDeals;
                part.ldMeanSquare += ldMean * ldMean * dealClass.nDeals;
            }
            std::lock_guard lock(mutex);
            total.Add(part);
        },
        progress);

    CPlayFigures figures;
    const long double ldLcm = static_cast<long double>(counts.GetDrawLcm());
    const long double ldDeals = static_cast<long double>(counts.GetDeals());
    figures.gameReturn.nNumerator = total.nMean;
    figures.gameReturn.nDenominator = counts.GetDrawLcm() * counts.GetDeals();
    const long double ldReturn = static_cast<long double>(total.nMean) / (ldLcm * ldDeals);
    // As ComputeReturn gives it, to the last digit.
    figures.gameReturn.dReturn = static_cast<double>(figures.gameReturn.nNumerator) /
                                 static_cast<double>(figures.gameReturn.nDenominator);
    figures.dVariance =
        static_cast<double>(total.ldSquare / (ldLcm * ldDeals) - ldReturn * ldReturn);
    figures.dCovariance =
        static_cast<double>(total.ldMeanSquare / (ldLcm * ldLcm * ldDeals) - ldReturn * ldReturn);
    return figures;
}
