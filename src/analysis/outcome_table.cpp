#include "analysis/outcome_table.h"

#include <algorithm>
#include <atomic>
#include <cmath>

#include "analysis/deal_classes.h"
#include "analysis/hand_scorer.h"
#include "platform/afx.h"

namespace {

// For each mask of five cards: its highest card and how many it picks.
struct CMaskFacts {
    std::array<int, 32> arrTop{};
    std::array<int, 32> arrCount{};
};
constexpr CMaskFacts MakeMaskFacts() {
    CMaskFacts facts;
    for (int nMask = 1; nMask < 32; ++nMask) {
        int nTop = 0;
        while ((nMask >> (nTop + 1)) != 0) ++nTop;
        facts.arrTop[static_cast<std::size_t>(nMask)] = nTop;
        facts.arrCount[static_cast<std::size_t>(nMask)] =
            facts.arrCount[static_cast<std::size_t>(nMask & ~(1 << nTop))] + 1;
    }
    return facts;
}
constexpr CMaskFacts kMaskFacts = MakeMaskFacts();

}  // namespace

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
      m_nCategories(family.CategoryCount()),
      m_scorer(SharedHandScorer(family, rules)) {
    if (progress) progress(0.5);
    for (int nCount = 4; nCount >= 0; --nCount) BuildCounts(nCount);
    if (progress) progress(1.0);
}

// Each hand holding a k-set holds 5 - k of the (k + 1)-sets over it, so adding the counts of
// the sets one card bigger counts every hand 5 - k times. One set of each kind stands for all.
void COutcomeTable::BuildCounts(int nCount) {
    const std::size_t nCategories = static_cast<std::size_t>(m_nCategories);
    std::vector<std::uint32_t>& vecCounts = m_arrCounts[static_cast<std::size_t>(nCount)];
    vecCounts.assign(static_cast<std::size_t>(CHandScorer::Slots(nCount)) * nCategories, 0);
    m_scorer.ForEachKind(nCount, [&](std::size_t nSlot, const int* pSet) {
        std::uint64_t arrSum[MAX_OUTCOMES] = {};
        for (int nCard = 0; nCard < m_nCards; ++nCard) {
            int arrBigger[5];
            int n = 0;
            bool bHeld = false;
            for (int i = 0; i < nCount; ++i) {
                if (pSet[i] == nCard) bHeld = true;
                if (pSet[i] > nCard && n == i) arrBigger[n++] = nCard;
                arrBigger[n++] = pSet[i];
            }
            if (bHeld) continue;
            if (n == nCount) arrBigger[n++] = nCard;
            ForSetCounts(nCount + 1, m_scorer.SetSlot(arrBigger, nCount + 1),
                         [&](std::size_t c, std::uint32_t nHands) { arrSum[c] += nHands; });
        }
        std::uint32_t* pOwn = vecCounts.data() + nSlot * nCategories;
        for (std::size_t c = 0; c < nCategories; ++c)
            pOwn[c] =
                static_cast<std::uint32_t>(arrSum[c] / static_cast<std::uint64_t>(5 - nCount));
    });
}

template <typename Visit>
void COutcomeTable::ForSetCounts(int nCount, std::size_t nSlot, Visit visit) const {
    const std::size_t nCategories = static_cast<std::size_t>(m_nCategories);
    if (nCount == 5) {
        const int nOutcome = m_scorer.OutcomeAt(nSlot);
        if (nOutcome < m_nCategories) visit(static_cast<std::size_t>(nOutcome), 1u);
        return;
    }
    const std::uint32_t* p =
        m_arrCounts[static_cast<std::size_t>(nCount)].data() + nSlot * nCategories;
    for (std::size_t c = 0; c < nCategories; ++c) visit(c, p[c]);
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
        ForSetCounts(nCount, m_scorer.SetSlot(arrSubset, nCount),
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
        hold.nHeld = kMaskFacts.arrCount[static_cast<std::size_t>(nSortedMask)];
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

// Pay sums are linear in the counts, so a pay table's sum over the hands holding a set of each
// kind is worked out once, and the subsets of each deal told apart on those sums alone.
CHoldPays COutcomeTable::ApplyPays(const CPayTable& table, int nBet) const {
    ASSERT(Fits(table));
    CHoldPays pays(*this);
    for (int c = 0; c < m_nCategories; ++c)
        pays.m_arrPays[static_cast<std::size_t>(c)] = table.Pay(c, nBet);
    for (int nHeld = 0; nHeld <= 5; ++nHeld)
        pays.m_arrScale[static_cast<std::size_t>(nHeld)] =
            GetDrawLcm() / Binomial(GetUnseen(), 5 - nHeld);
    for (int nCount = 0; nCount <= 4; ++nCount) {
        std::vector<std::int64_t>& vecSums = pays.m_arrSums[static_cast<std::size_t>(nCount)];
        std::vector<std::int64_t>& vecSquares =
            pays.m_arrSquareSums[static_cast<std::size_t>(nCount)];
        vecSums.assign(static_cast<std::size_t>(CHandScorer::Slots(nCount)), 0);
        vecSquares.assign(vecSums.size(), 0);
        for (std::size_t nSlot = 0; nSlot < vecSums.size(); ++nSlot)
            ForSetCounts(nCount, nSlot, [&](std::size_t c, std::uint32_t n) {
                vecSums[nSlot] += pays.m_arrPays[c] * n;
                vecSquares[nSlot] += pays.m_arrPays[c] * pays.m_arrPays[c] * n;
            });
    }
    return pays;
}

void CHoldPays::HoldValues(const int* pSortedCodes, std::int64_t* pValues) const {
    Values(pSortedCodes, m_arrSums, false, pValues);
}

void CHoldPays::HoldSquareValues(const int* pSortedCodes, std::int64_t* pValues) const {
    Values(pSortedCodes, m_arrSquareSums, true, pValues);
}

void CHoldPays::Values(const int* pSortedCodes, const CSums& sums, bool bSquare,
                       std::int64_t* pValues) const {
    // A subset's kind is its subset without the top card's kind plus the top card's share, so
    // the 32 kinds take one addition each.
    const CHandScorer& scorer = m_table.GetScorer();
    int arrKinds[32];
    unsigned arrSuits[32];
    arrKinds[0] = 0;
    arrSuits[0] = 0;
    for (std::size_t nMask = 1; nMask < 32; ++nMask) {
        const int nTop = kMaskFacts.arrTop[nMask];
        const int nCount = kMaskFacts.arrCount[nMask];
        const std::size_t nRest = nMask & ~(1u << nTop);
        arrKinds[nMask] = arrKinds[nRest] + CHandScorer::RankPart(nCount - 1, pSortedCodes[nTop]);
        arrSuits[nMask] = arrSuits[nRest] | scorer.SuitBit(pSortedCodes[nTop]);
    }
    for (std::size_t nMask = 0; nMask < 31; ++nMask)
        pValues[nMask] = sums[static_cast<std::size_t>(kMaskFacts.arrCount[nMask])]
                             [CHandScorer::Slot(arrKinds[nMask], arrSuits[nMask])];
    // The whole deal is one hand: its pay is looked up, not summed.
    const std::int64_t nPay = Pay(scorer.Outcome(arrKinds[31], arrSuits[31]));
    pValues[31] = bSquare ? nPay * nPay : nPay;
    KeepExactHolds([pValues](int nMask, int nSuperset) { pValues[nMask] -= pValues[nSuperset]; });
    for (std::size_t nMask = 0; nMask < 32; ++nMask)
        pValues[nMask] *= m_arrScale[static_cast<std::size_t>(kMaskFacts.arrCount[nMask])];
}

CGameReturn COutcomeTable::ComputeReturn(const CPayTable& table, int nBet,
                                         const CProgressFunction& progress) const {
    const CHoldPays pays = ApplyPays(table, nBet);
    const std::span<const CDealClass> vecClasses = DealClasses(m_nCards);
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
    std::size_t nBytes = 0;
    for (const std::vector<std::uint32_t>& vec : m_arrCounts)
        nBytes += vec.capacity() * sizeof(std::uint32_t);
    return nBytes;
}
