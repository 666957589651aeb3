#include "support/oracle/hold_analyzer.h"

#include <algorithm>
#include <bit>
#include <numeric>

namespace {

constexpr int kCodes = 52;

// C(n, k) for n up to 52 and k up to 5, by Pascal's rule.
struct CBinomials {
    std::int64_t m[kCodes + 1][6] = {};
    constexpr CBinomials() {
        for (int n = 0; n <= kCodes; ++n) {
            m[n][0] = 1;
            for (int k = 1; k <= 5 && k <= n; ++k) m[n][k] = m[n - 1][k - 1] + m[n - 1][k];
        }
    }
};
constexpr CBinomials kC;

// A set's own place among the sets of its size (codes ascending): the sum of C(code i, i + 1).
int SetIndex(const int* pSorted, int nCount) {
    std::int64_t nIndex = 0;
    for (int i = 0; i < nCount; ++i) nIndex += kC.m[pSorted[i]][i + 1];
    return static_cast<int>(nIndex);
}

int Subset(const int* pSorted, int nMask, int* pSubset) {
    int nCount = 0;
    for (int i = 0; i < 5; ++i)
        if (nMask >> i & 1) pSubset[nCount++] = pSorted[i];
    return nCount;
}

}  // namespace

void ForEveryHand(int nCards, const std::function<void(const int* pHand)>& visit) {
    int h[5];
    for (h[4] = 4; h[4] < nCards; ++h[4])
        for (h[3] = 3; h[3] < h[4]; ++h[3])
            for (h[2] = 2; h[2] < h[3]; ++h[2])
                for (h[1] = 1; h[1] < h[2]; ++h[1])
                    for (h[0] = 0; h[0] < h[1]; ++h[0]) visit(h);
}

CHoldAnalyzer::CHoldAnalyzer(COraclePay pay) : m_pay(std::move(pay)) {
    for (int k = 0; k < 5; ++k) m_vecSums[k].assign(static_cast<std::size_t>(kC.m[kCodes][k]), 0);
    ForEveryHand(kCodes, [this](const int* pHand) {
        const int nPay = m_pay(pHand);
        for (int nMask = 0; nMask < 31; ++nMask) {
            int arrSubset[5];
            const int nCount = Subset(pHand, nMask, arrSubset);
            m_vecSums[nCount][static_cast<std::size_t>(SetIndex(arrSubset, nCount))] += nPay;
        }
    });
}

void CHoldAnalyzer::ExactSums(const int* pSorted, std::int64_t* pExact) const {
    std::int64_t arrHolding[32];  // the pays of every hand holding at least those cards
    for (int nMask = 0; nMask < 32; ++nMask) {
        int arrSubset[5];
        const int nCount = Subset(pSorted, nMask, arrSubset);
        arrHolding[nMask] =
            nCount == 5 ? m_pay(pSorted)
                        : m_vecSums[nCount][static_cast<std::size_t>(SetIndex(arrSubset, nCount))];
    }
    for (int nMask = 0; nMask < 32; ++nMask) {
        pExact[nMask] = 0;
        for (int nMore = nMask; nMore < 32; nMore = (nMore + 1) | nMask)
            pExact[nMask] += (std::popcount(static_cast<unsigned>(nMore ^ nMask)) % 2 ? -1 : 1) *
                             arrHolding[nMore];
    }
}

std::vector<COracleHold> CHoldAnalyzer::AnalyzeDeal(const std::array<int, 5>& arrCodes) const {
    std::array<int, 5> arrOrder = {0, 1, 2, 3, 4};
    std::sort(arrOrder.begin(), arrOrder.end(),
              [&](int a, int b) { return arrCodes[a] < arrCodes[b]; });
    int arrSorted[5];
    for (int i = 0; i < 5; ++i) {
        arrSorted[i] = arrCodes[arrOrder[i]];
        if (arrSorted[i] < 0 || arrSorted[i] >= kCodes ||
            (i > 0 && arrSorted[i] == arrSorted[i - 1]))
            return {};
    }
    std::int64_t arrExact[32];
    ExactSums(arrSorted, arrExact);
    std::vector<COracleHold> vecHolds;
    for (int nMask = 0; nMask < 32; ++nMask) {
        COracleHold hold;
        for (int i = 0; i < 5; ++i)
            if (nMask >> i & 1) hold.nHoldMask |= 1 << arrOrder[i];
        hold.nHeld = std::popcount(static_cast<unsigned>(nMask));
        hold.nPaySum = arrExact[nMask];
        hold.nDraws = kC.m[kCodes - 5][5 - hold.nHeld];
        vecHolds.push_back(hold);
    }
    std::stable_sort(vecHolds.begin(), vecHolds.end(),
                     [](const COracleHold& a, const COracleHold& b) {
                         const std::int64_t nA = a.nPaySum * b.nDraws, nB = b.nPaySum * a.nDraws;
                         return nA != nB ? nA > nB : a.nHeld > b.nHeld;
                     });
    return vecHolds;
}

COracleReturn CHoldAnalyzer::ComputeReturn() const {
    std::int64_t nLcm = 1;
    for (int k = 0; k <= 5; ++k) nLcm = std::lcm(nLcm, kC.m[kCodes - 5][k]);
    COracleReturn result;
    ForEveryHand(kCodes, [&](const int* pDeal) {
        std::int64_t arrExact[32];
        ExactSums(pDeal, arrExact);
        std::int64_t nBest = 0;
        for (int nMask = 0; nMask < 32; ++nMask)
            nBest = std::max(
                nBest,
                arrExact[nMask] *
                    (nLcm / kC.m[kCodes - 5][5 - std::popcount(static_cast<unsigned>(nMask))]));
        result.nNumerator += nBest;
    });
    result.nDenominator = nLcm * kC.m[kCodes][5];
    return result;
}
