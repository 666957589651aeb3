#include "analysis/outcome_table.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cmath>

#include "analysis/deal_classes.h"
#include "analysis/hand_scorer.h"
#include "platform/afx.h"

CHoldValue CHoldOutcomes::Value() const {
    CHoldValue value;
    value.nHoldMask = nHoldMask;
    value.nHeld = nHeld;
    value.nPaySum = nPaySum;
    value.nDraws = nDraws;
    value.dExpectedPay =
        nDraws > 0 ? static_cast<double>(nPaySum) / static_cast<double>(nDraws) : 0;
    return value;
}

// Over D draws paying S in all, Q in squares, the variance is (D Q - S^2) / D^2.
double CHoldOutcomes::PayDeviation() const {
    if (nDraws <= 0) return 0.0;
    const double dVariance = static_cast<double>(nDraws) * static_cast<double>(nPaySquareSum) -
                             static_cast<double>(nPaySum) * static_cast<double>(nPaySum);
    return std::sqrt(std::max(0.0, dVariance)) / static_cast<double>(nDraws);
}

COutcomeTable::COutcomeTable(const CFamily& family, const CRules& rules,
                             const CProgressFunction& progress)
    : m_pFamily(&family),
      m_nCards(std::clamp(family.nCards, CARD_CODES, MAX_CARD_CODES)),
      m_rules(rules),
      m_nCategories(family.CategoryCount()) {
    ScoreHands();
    if (progress) progress(0.3);
    for (int nCount = 4; nCount >= 0; --nCount) {
        BuildCounts(nCount);
        if (progress) progress(nCount == 4 ? 0.9 : 1.0 - 0.025 * nCount);
    }
}

// Hands are visited in slot order: for a < b < c < d < e the slot C(a,1) + ... + C(e,5) grows
// by one from each hand to the next, so one top card's hands fill one run of slots. A hand's
// kind and suits are added up card by card as the loops go.
void COutcomeTable::ScoreHands() {
    m_vecOutcome.assign(static_cast<std::size_t>(GetDeals()), 0);
    std::uint8_t* pOutcome = m_vecOutcome.data();
    const CHandScorer& scorer = SharedHandScorer(*m_pFamily, m_rules);
    using S = CHandScorer;
    ParallelFor(m_nCards - 4, 1, [&](int nBegin, int nEnd) {
        for (int e = nBegin + 4; e < nEnd + 4; ++e) {
            int nSlot = Binomial(e, 5);
            const int nKindE = S::RankPart(4, e);
            const unsigned nSuitsE = scorer.SuitBit(e);
            for (int d = 3; d < e; ++d) {
                const int nKindD = nKindE + S::RankPart(3, d);
                const unsigned nSuitsD = nSuitsE | scorer.SuitBit(d);
                for (int c = 2; c < d; ++c) {
                    const int nKindC = nKindD + S::RankPart(2, c);
                    const unsigned nSuitsC = nSuitsD | scorer.SuitBit(c);
                    for (int b = 1; b < c; ++b) {
                        const int nKindB = nKindC + S::RankPart(1, b);
                        const unsigned nSuitsB = nSuitsC | scorer.SuitBit(b);
                        for (int a = 0; a < b; ++a)
                            pOutcome[nSlot++] = static_cast<std::uint8_t>(scorer.Outcome(
                                nKindB + S::RankPart(0, a), nSuitsB | scorer.SuitBit(a)));
                    }
                }
            }
        }
    });
}

// Each hand holding a k-set holds 5 - k of the (k + 1)-sets over it, so adding their counts
// counts every hand 5 - k times.
void COutcomeTable::BuildCounts(int nCount) {
    const std::size_t nCategories = static_cast<std::size_t>(m_nCategories);
    const std::size_t nSets = static_cast<std::size_t>(Binomial(m_nCards, nCount));
    const int nBiggerSets = m_nCards - nCount;
    if (nCount == 4) {
        m_vecFourCounts.assign(nSets * nCategories, 0);
        std::uint8_t* pCounts = m_vecFourCounts.data();
        const std::uint8_t* pOutcome = m_vecOutcome.data();
        ForEachSetWithSupersets(m_nCards, 4, [&](int nSlot, const int* pBigger) {
            std::uint8_t* pOwn = pCounts + static_cast<std::size_t>(nSlot) * nCategories;
            for (int i = 0; i < nBiggerSets; ++i) {
                const std::uint8_t nOutcome = pOutcome[pBigger[i]];
                if (nOutcome < nCategories) ++pOwn[nOutcome];
            }
        });
        return;
    }
    std::vector<std::uint32_t>& vecCounts = m_vecCounts[static_cast<std::size_t>(nCount)];
    vecCounts.assign(nSets * nCategories, 0);
    std::uint32_t* pCounts = vecCounts.data();
    const std::uint32_t nDivisor = static_cast<std::uint32_t>(5 - nCount);
    ForEachSetWithSupersets(m_nCards, nCount, [&](int nSlot, const int* pBigger) {
        std::uint32_t* pOwn = pCounts + static_cast<std::size_t>(nSlot) * nCategories;
        for (int i = 0; i < nBiggerSets; ++i)
            ForSetCounts(nCount + 1, pBigger[i],
                         [pOwn](std::size_t c, std::uint32_t n) { pOwn[c] += n; });
        for (std::size_t c = 0; c < nCategories; ++c) pOwn[c] /= nDivisor;
    });
}

template <typename Visit>
void COutcomeTable::ForSetCounts(int nCount, int nSlot, Visit visit) const {
    const std::size_t nCategories = static_cast<std::size_t>(m_nCategories);
    const std::size_t nStart = static_cast<std::size_t>(nSlot) * nCategories;
    if (nCount == 5) {
        const std::uint8_t nOutcome = m_vecOutcome[static_cast<std::size_t>(nSlot)];
        if (nOutcome < nCategories) visit(nOutcome, 1u);
    } else if (nCount == 4) {
        const std::uint8_t* p = m_vecFourCounts.data() + nStart;
        for (std::size_t c = 0; c < nCategories; ++c) visit(c, std::uint32_t{p[c]});
    } else {
        const std::uint32_t* p = m_vecCounts[static_cast<std::size_t>(nCount)].data() + nStart;
        for (std::size_t c = 0; c < nCategories; ++c) visit(c, p[c]);
    }
}

std::string COutcomeTable::GetCategoryName(int nOutcome) const {
    return m_pFamily->CategoryName(nOutcome);
}

bool COutcomeTable::IsDeal(const std::array<int, 5>& arrCodes) const {
    const CSortedDeal deal(arrCodes);
    return deal.bValid && deal.arrSorted[4] < m_nCards;
}

// By inclusion-exclusion over the subsets of the deal: a hold's draws are the hands holding
// its cards and none of the others dealt.
bool COutcomeTable::CountHolds(const std::array<int, 5>& arrCodes, const CPayTable& table, int nBet,
                               std::array<CHoldOutcomes, 32>& arrHolds) const {
    const CSortedDeal deal(arrCodes);
    ASSERT(IsDeal(arrCodes) && Fits(table));
    if (!IsDeal(arrCodes)) return false;
    const int nCategories = m_nCategories;
    std::int64_t arrCounts[32][MAX_OUTCOMES] = {};
    for (int nMask = 0; nMask < 32; ++nMask) {
        int arrSubset[5];
        const int nCount = MaskedCards(deal.arrSorted, nMask, arrSubset);
        ForSetCounts(nCount, ColexIndex(arrSubset, nCount),
                     [&](std::size_t c, std::uint32_t n) { arrCounts[nMask][c] = n; });
    }
    KeepExactHolds([&](int nMask, int nSuperset) {
        for (int c = 0; c < nCategories; ++c) arrCounts[nMask][c] -= arrCounts[nSuperset][c];
    });

    for (int nSortedMask = 0; nSortedMask < 32; ++nSortedMask) {
        const int nHoldMask = deal.HoldMask(nSortedMask);
        CHoldOutcomes& hold = arrHolds[static_cast<std::size_t>(nHoldMask)];
        hold = CHoldOutcomes{};
        hold.nHoldMask = nHoldMask;
        hold.nHeld = std::popcount(static_cast<unsigned>(nSortedMask));
        hold.nDraws = Binomial(GetUnseen(), 5 - hold.nHeld);
        std::int64_t nPaying = 0;
        for (int c = 0; c < nCategories; ++c) {
            const std::int64_t nCount = arrCounts[nSortedMask][c];
            const std::int64_t nPay = table.Pay(c, nBet);
            hold.arrCounts[static_cast<std::size_t>(c)] = nCount;
            nPaying += nCount;
            hold.nPaySum += nCount * nPay;
            hold.nPaySquareSum += nCount * nPay * nPay;
        }
        hold.arrCounts[static_cast<std::size_t>(nCategories)] = hold.nDraws - nPaying;
    }
    return true;
}

std::vector<CHoldValue> COutcomeTable::RankHolds(const std::array<int, 5>& arrCodes,
                                                 const CPayTable& table, int nBet) const {
    std::array<CHoldOutcomes, 32> arrHolds;
    if (!CountHolds(arrCodes, table, nBet, arrHolds)) return {};
    std::vector<CHoldValue> vecHolds;
    vecHolds.reserve(32);
    for (const CHoldOutcomes& hold : arrHolds) vecHolds.push_back(hold.Value());
    std::sort(vecHolds.begin(), vecHolds.end(), IsBetterHold);
    return vecHolds;
}

CHoldValue COutcomeTable::BestHold(const std::array<int, 5>& arrCodes, const CPayTable& table,
                                   int nBet) const {
    const std::vector<CHoldValue> vecHolds = RankHolds(arrCodes, table, nBet);
    return vecHolds.empty() ? CHoldValue{} : vecHolds.front();
}

// Pay sums are linear in the counts, so a pay table's sum over the hands holding each set is
// worked out once (a few milliseconds), and the subsets of each deal told apart on those sums
// alone.
CHoldPays COutcomeTable::ApplyPays(const CPayTable& table, int nBet) const {
    ASSERT(Fits(table));
    CHoldPays pays(*this);
    for (int c = 0; c < m_nCategories; ++c)
        pays.m_arrPays[static_cast<std::size_t>(c)] = table.Pay(c, nBet);
    for (int nHeld = 0; nHeld <= 5; ++nHeld)
        pays.m_arrScale[static_cast<std::size_t>(nHeld)] =
            GetDrawLcm() / Binomial(GetUnseen(), 5 - nHeld);
    const std::int64_t* pPays = pays.m_arrPays.data();
    for (int nCount = 0; nCount <= 4; ++nCount) {
        std::vector<std::int64_t>& vecSums = pays.m_arrSums[static_cast<std::size_t>(nCount)];
        vecSums.assign(static_cast<std::size_t>(Binomial(m_nCards, nCount)), 0);
        std::int64_t* pSums = vecSums.data();
        ParallelFor(Binomial(m_nCards, nCount), 8192, [&](int nBegin, int nEnd) {
            for (int nSlot = nBegin; nSlot < nEnd; ++nSlot) {
                std::int64_t nSum = 0;
                ForSetCounts(nCount, nSlot,
                             [&](std::size_t c, std::uint32_t n) { nSum += pPays[c] * n; });
                pSums[nSlot] = nSum;
            }
        });
    }
    return pays;
}

void CHoldPays::HoldValues(const int* pSortedCodes, std::int64_t* pValues) const {
    // The whole deal is one hand: its pay is looked up, not summed.
    for (int nMask = 0; nMask < 31; ++nMask) {
        int arrSubset[5];
        const int nCount = MaskedCards(pSortedCodes, nMask, arrSubset);
        pValues[nMask] = m_arrSums[static_cast<std::size_t>(nCount)]
                                  [static_cast<std::size_t>(ColexIndex(arrSubset, nCount))];
    }
    pValues[31] = Pay(m_table.GetOutcome(pSortedCodes));
    KeepExactHolds([pValues](int nMask, int nSuperset) { pValues[nMask] -= pValues[nSuperset]; });
    for (int nMask = 0; nMask < 32; ++nMask)
        pValues[nMask] *=
            m_arrScale[static_cast<std::size_t>(std::popcount(static_cast<unsigned>(nMask)))];
}

CGameReturn COutcomeTable::ComputeReturn(const CPayTable& table, int nBet,
                                         const CProgressFunction& progress) const {
    const CHoldPays pays = ApplyPays(table, nBet);
    const std::vector<CDealClass>& vecClasses = DealClasses(m_nCards);
    std::atomic<std::int64_t> nTotal{0};
    ParallelFor(
        static_cast<int>(vecClasses.size()), 2048,
        [&](int nBegin, int nEnd) {
            std::int64_t nPart = 0;
            for (int i = nBegin; i < nEnd; ++i) {
                const CDealClass& dealClass = vecClasses[static_cast<std::size_t>(i)];
                std::int64_t arrValues[32];
                pays.HoldValues(dealClass.arrCodes.data(), arrValues);
                nPart += *std::max_element(arrValues, arrValues + 32) * dealClass.nDeals;
            }
            nTotal += nPart;
        },
        progress);

    CGameReturn result;
    result.nNumerator = nTotal;
    result.nDenominator = GetDrawLcm() * GetDeals();
    result.dReturn =
        static_cast<double>(result.nNumerator) / static_cast<double>(result.nDenominator);
    return result;
}

std::size_t COutcomeTable::GetMemoryBytes() const {
    std::size_t nBytes = m_vecOutcome.capacity() + m_vecFourCounts.capacity();
    for (const std::vector<std::uint32_t>& vec : m_vecCounts)
        nBytes += vec.capacity() * sizeof(std::uint32_t);
    return nBytes;
}
