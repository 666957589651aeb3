#include "analysis/break_even.h"

#include <cmath>
#include <mutex>
#include <span>

#include "analysis/deal_classes.h"

int NaturalRoyalCategory(const CFamily& family) {
    for (int c = 0; c < family.CategoryCount(); ++c)
        if (family.categories[static_cast<std::size_t>(c)].eShape == EShape::NaturalRoyal) return c;
    return -1;
}

namespace {

// The return with the royal at dPay as a line in the pay: the best holds at dPay (of tied
// holds, the one gaining most from the royal, so the line holds to the right of dPay) make
// nBase + nSlope × pay, summed over deals and scaled by the draw LCM.
struct CTangent {
    long double ldBase = 0;
    long double ldSlope = 0;
};

CTangent TangentAt(const CHoldPays& others, const CHoldPays& royals, long double ldPay,
                   const std::span<const CDealClass> vecClasses) {
    std::mutex mutex;
    CTangent total;
    ParallelFor(static_cast<int>(vecClasses.size()), 2048, [&](int nBegin, int nEnd) {
        CTangent part;
        for (int i = nBegin; i < nEnd; ++i) {
            const CDealClass& dealClass = vecClasses[static_cast<std::size_t>(i)];
            std::int64_t arrBase[32], arrSlope[32];
            others.HoldValues(dealClass.arrCodes.data(), arrBase);
            royals.HoldValues(dealClass.arrCodes.data(), arrSlope);
            std::size_t nBest = 0;
            long double ldBest = -1;
            for (std::size_t nMask = 0; nMask < 32; ++nMask) {
                const long double ld = arrBase[nMask] + arrSlope[nMask] * ldPay;
                if (ld > ldBest || (ld == ldBest && arrSlope[nMask] > arrSlope[nBest])) {
                    ldBest = ld;
                    nBest = nMask;
                }
            }
            part.ldBase += static_cast<long double>(arrBase[nBest]) * dealClass.nDeals;
            part.ldSlope += static_cast<long double>(arrSlope[nBest]) * dealClass.nDeals;
        }
        std::lock_guard lock(mutex);
        total.ldBase += part.ldBase;
        total.ldSlope += part.ldSlope;
    });
    return total;
}

}  // namespace

double BreakEvenRoyalPay(const COutcomeTable& counts, const CPayTable& table, int nBet,
                         const CProgressFunction& progress) {
    const int nRoyal = NaturalRoyalCategory(table.Family());
    if (nRoyal < 0) return -1.0;
    // The pays apart from the royal, and the royal alone paying 1.
    CPayTable others = table, royals = table;
    for (int c = 0; c < MAX_CATEGORIES; ++c)
        for (int b = 0; b < MAX_BET; ++b)
            royals.arrPays[static_cast<std::size_t>(c)][static_cast<std::size_t>(b)] =
                c == nRoyal ? 1 : 0;
    others.arrPays[static_cast<std::size_t>(nRoyal)].fill(0);
    const CHoldPays othersPays = counts.ApplyPays(others, nBet);
    const CHoldPays royalPays = counts.ApplyPays(royals, nBet);
    const std::span<const CDealClass> vecClasses = DealClasses(counts.GetCards());
    const long double ldEven =
        static_cast<long double>(counts.GetDrawLcm()) * static_cast<long double>(counts.GetDeals());
    // From below the answer the first step passes it; from then on each step comes down to it
    // and the steps end when the holds stop changing.
    long double ldPay = 0;
    constexpr int kMaxSteps = 60;
    for (int nStep = 0; nStep < kMaxSteps && !IsParallelWorkStopped(); ++nStep) {
        const CTangent tangent = TangentAt(othersPays, royalPays, ldPay, vecClasses);
        if (nStep == 0 && tangent.ldBase >= ldEven) return 0.0;
        const long double ldNext = (ldEven - tangent.ldBase) / tangent.ldSlope;
        if (progress) progress(std::min(0.95, (nStep + 1) / 10.0));
        if (std::fabs(ldNext - ldPay) <= 1e-9L * std::max(1.0L, ldNext)) {
            ldPay = ldNext;
            break;
        }
        ldPay = ldNext;
    }
    if (progress) progress(1.0);
    return static_cast<double>(ldPay);
}
