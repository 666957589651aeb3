#include "analysis/round_model.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <numeric>
#include <span>

#include "analysis/deal_classes.h"
#include "analysis/play_figures.h"

CAliasTable::CAliasTable(const std::vector<double>& vecWeights) {
    const std::size_t n = vecWeights.size();
    const double dTotal = std::accumulate(vecWeights.begin(), vecWeights.end(), 0.0);
    std::vector<double> vecScaled(n);
    std::vector<std::size_t> vecSmall, vecLarge;
    for (std::size_t i = 0; i < n; ++i) {
        vecScaled[i] = vecWeights[i] * static_cast<double>(n) / dTotal;
        (vecScaled[i] < 1.0 ? vecSmall : vecLarge).push_back(i);
    }
    m_vecCut.assign(n, std::uint64_t{1} << 32);
    m_vecAlias.resize(n);
    std::iota(m_vecAlias.begin(), m_vecAlias.end(), 0);
    while (!vecSmall.empty() && !vecLarge.empty()) {
        const std::size_t nSmall = vecSmall.back(), nLarge = vecLarge.back();
        vecSmall.pop_back();
        m_vecCut[nSmall] = static_cast<std::uint64_t>(vecScaled[nSmall] * 4294967296.0);
        m_vecAlias[nSmall] = static_cast<int>(nLarge);
        vecScaled[nLarge] -= 1.0 - vecScaled[nSmall];
        if (vecScaled[nLarge] < 1.0) {
            vecLarge.pop_back();
            vecSmall.push_back(nLarge);
        }
    }
    // What is left is 1 up to rounding: its own outcome always.
}

namespace {

std::uint64_t SplitMix(std::uint64_t& n) {
    std::uint64_t z = (n += 0x9e3779b97f4a7c15u);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
    return z ^ (z >> 31);
}

std::uint64_t RotateLeft(std::uint64_t n, int k) {
    return (n << k) | (n >> (64 - k));
}

// A way a hold ends, by pay: (pay, draws) in ascending pay, the losing draws at pay 0.
using CEnding = std::vector<std::pair<int, std::int64_t>>;

CEnding EndingOf(const CHoldOutcomes& hold, const CPayTable& table, int nBet, int nOutcomes) {
    std::map<int, std::int64_t> mapDraws;
    for (int c = 0; c < nOutcomes; ++c)
        if (const std::int64_t n = hold.arrCounts[static_cast<std::size_t>(c)]; n > 0)
            mapDraws[table.Pay(c, nBet)] += n;
    return {mapDraws.begin(), mapDraws.end()};
}

// The endings of the played holds of every class of deals, with the deals of each.
std::map<CEnding, double> Endings(const COutcomeTable& counts, const CPayTable& table, int nBet,
                                  const CProgressFunction& progress) {
    const CHoldPays pays = counts.ApplyPays(table, nBet);
    const std::span<const CDealClass> vecClasses = DealClasses(counts.GetCards());
    std::mutex mutex;
    std::map<CEnding, double> mapEndings;
    ParallelFor(
        static_cast<int>(vecClasses.size()), 2048,
        [&](int nBegin, int nEnd) {
            std::map<CEnding, double> mapPart;
            std::array<CHoldOutcomes, 32> arrHolds;
            for (int i = nBegin; i < nEnd; ++i) {
                const CDealClass& dealClass = vecClasses[static_cast<std::size_t>(i)];
                std::int64_t arrValues[32], arrSquares[32];
                pays.HoldValues(dealClass.arrCodes.data(), arrValues);
                pays.HoldSquareValues(dealClass.arrCodes.data(), arrSquares);
                const int nHold = PlayedHold(arrValues, arrSquares);
                // The values are by sorted positions, the counts by dealt ones: the class's
                // deal is sorted, so they agree.
                counts.CountHolds(dealClass.arrCodes, table, nBet, arrHolds);
                mapPart[EndingOf(arrHolds[static_cast<std::size_t>(nHold)], table, nBet,
                                 counts.GetCategoryCount())] += dealClass.nDeals;
            }
            std::lock_guard lock(mutex);
            for (const auto& [ending, dDeals] : mapPart) mapEndings[ending] += dDeals;
        },
        progress);
    return mapEndings;
}

}  // namespace

CRandomBits::CRandomBits(std::uint64_t nSeed) {
    for (std::uint64_t& n : m_arrState) n = SplitMix(nSeed);
}

std::uint64_t CRandomBits::Next() {
    std::uint64_t* s = m_arrState;
    const std::uint64_t nResult = RotateLeft(s[1] * 5, 7) * 9;
    const std::uint64_t t = s[1] << 17;
    s[2] ^= s[0];
    s[3] ^= s[1];
    s[1] ^= s[2];
    s[0] ^= s[3];
    s[2] ^= t;
    s[3] = RotateLeft(s[3], 45);
    return nResult;
}

CRoundModel::CRoundModel(const COutcomeTable& counts, const CPayTable& table, int nBet,
                         const CProgressFunction& progress) {
    std::vector<double> vecDeals;
    double dDeals = 0, dMean = 0, dSquare = 0, dMeanSquare = 0;
    for (const auto& [ending, dWeight] : Endings(counts, table, nBet, progress)) {
        CHandOutcomes outcomes;
        std::int64_t nDraws = 0;
        for (const auto& [nPay, n] : ending) nDraws += n;
        double dHandMean = 0, dHandSquare = 0;
        for (const auto& [nPay, n] : ending) {
            const double dChance = static_cast<double>(n) / static_cast<double>(nDraws);
            outcomes.vecPays.push_back(nPay);
            outcomes.vecChances.push_back(dChance);
            dHandMean += dChance * nPay;
            dHandSquare += dChance * nPay * nPay;
        }
        outcomes.dDeals = dWeight;
        dDeals += dWeight;
        dMean += dWeight * dHandMean;
        dSquare += dWeight * dHandSquare;
        dMeanSquare += dWeight * dHandMean * dHandMean;
        vecDeals.push_back(dWeight);
        m_vecHands.emplace_back(outcomes.vecChances);
        m_vecOutcomes.push_back(std::move(outcomes));
    }
    m_deals = CAliasTable(vecDeals);
    m_dMean = dMean / dDeals;
    m_dVariance = dSquare / dDeals - m_dMean * m_dMean;
    m_dCovariance = dMeanSquare / dDeals - m_dMean * m_dMean;
}

std::int64_t CRoundModel::DrawRound(CRandomBits& random, int nHands) const {
    const std::size_t nDeal = static_cast<std::size_t>(m_deals.Draw(random.Next()));
    const CAliasTable& hands = m_vecHands[nDeal];
    const std::vector<int>& vecPays = m_vecOutcomes[nDeal].vecPays;
    std::int64_t nTotal = 0;
    for (int i = 0; i < nHands; ++i)
        nTotal += vecPays[static_cast<std::size_t>(hands.Draw(random.Next()))];
    return nTotal;
}
