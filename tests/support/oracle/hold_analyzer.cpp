#include "support/oracle/hold_analyzer.h"

#include <algorithm>
#include <atomic>
#include <bit>

#include "analysis/deal_classes.h"
#include "model/hand.h"
#include "platform/afx.h"

namespace {

constexpr int kDeals = Binomial(CARD_CODES, 5);

}  // namespace

CHoldAnalyzer::CHoldAnalyzer(int nGame, const CProgressFunction& progress)
    : m_table(GamePayFunction(nGame), progress) {}

CHoldAnalyzer::CHoldAnalyzer(const CPayFunction& payFunction, const CProgressFunction& progress)
    : m_table(payFunction, progress) {}

void CHoldAnalyzer::SumHolds(const int* pSortedCodes, std::int64_t* pSums) const {
    for (int nMask = 0; nMask < 32; ++nMask) {
        int arrSubset[5];
        const int nCount = MaskedCards(pSortedCodes, nMask, arrSubset);
        pSums[nMask] = m_table.GetSum(arrSubset, nCount);
    }
    KeepExactHolds([pSums](int nMask, int nSuperset) { pSums[nMask] -= pSums[nSuperset]; });
}

bool CHoldAnalyzer::ValueHolds(const std::array<int, 5>& arrCodes,
                               std::array<CHoldValue, 32>& arrHolds) const {
    const CSortedDeal deal(arrCodes);
    ASSERT(deal.bValid);
    if (!deal.bValid) return false;
    std::int64_t arrSums[32];
    SumHolds(deal.arrSorted, arrSums);
    for (int nSortedMask = 0; nSortedMask < 32; ++nSortedMask) {
        const int nHoldMask = deal.HoldMask(nSortedMask);
        CHoldValue& hold = arrHolds[nHoldMask];
        hold.nHoldMask = nHoldMask;
        hold.nHeld = std::popcount(static_cast<unsigned>(nSortedMask));
        hold.nPaySum = arrSums[nSortedMask];
        hold.nDraws = Binomial(UNSEEN_CARDS, 5 - hold.nHeld);
        hold.dExpectedPay = static_cast<double>(hold.nPaySum) / static_cast<double>(hold.nDraws);
    }
    return true;
}

std::vector<CHoldValue> CHoldAnalyzer::AnalyzeDeal(const std::array<int, 5>& arrCodes) const {
    std::array<CHoldValue, 32> arrHolds;
    if (!ValueHolds(arrCodes, arrHolds)) return {};
    std::vector<CHoldValue> vecHolds(arrHolds.begin(), arrHolds.end());
    std::sort(vecHolds.begin(), vecHolds.end(), IsBetterHold);
    return vecHolds;
}

CGameReturn CHoldAnalyzer::ComputeReturn(const CProgressFunction& progress) const {
    const std::span<const CDealClass> vecClasses = DealClasses();
    std::array<std::int64_t, 6> arrScale{};  // by cards held
    for (int nHeld = 0; nHeld <= 5; ++nHeld)
        arrScale[nHeld] = kDrawLcm / Binomial(UNSEEN_CARDS, 5 - nHeld);

    std::atomic<std::int64_t> nTotal{0};
    ParallelFor(
        static_cast<int>(vecClasses.size()), 1024,
        [&](int nBegin, int nEnd) {
            std::int64_t nPart = 0;
            for (int i = nBegin; i < nEnd; ++i) {
                std::int64_t arrSums[32];
                SumHolds(vecClasses[i].arrCodes.data(), arrSums);
                std::int64_t nBest = arrSums[0] * arrScale[0];
                for (int nMask = 1; nMask < 32; ++nMask)
                    nBest =
                        std::max(nBest, arrSums[nMask] *
                                            arrScale[std::popcount(static_cast<unsigned>(nMask))]);
                nPart += nBest * vecClasses[i].nDeals;
            }
            nTotal += nPart;
        },
        progress);

    CGameReturn result;
    result.nNumerator = nTotal;
    result.nDenominator = kDrawLcm * kDeals;
    result.dReturn =
        static_cast<double>(result.nNumerator) / static_cast<double>(result.nDenominator);
    return result;
}
