#include "analysis/outcome_table.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <memory>
#include <span>

#include "games/game_factory.h"
#include "model/hand.h"
#include "platform/afx.h"

namespace {

// Scoring is about half the build, as for the pay table; the counts take the rest.
constexpr double kScoringShare = 0.5;

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
    const double dVariance = static_cast<double>(nDraws * nPaySquareSum - nPaySum * nPaySum);
    return std::sqrt(std::max(0.0, dVariance)) / static_cast<double>(nDraws);
}

COutcomeTable::COutcomeTable(int nGame, const CProgressFunction& progress)
    : m_nGame(nGame), m_nCategories(static_cast<int>(GetPayTable(nGame).size()) + 1) {
    ASSERT(m_nCategories <= MAX_CATEGORIES);
    const std::span<const CPayLine> lines = GetPayTable(nGame);
    const int nLosing = m_nCategories - 1;
    for (int c = 0; c < nLosing && c < MAX_CATEGORIES; ++c)
        m_arrMultiplier[c] = lines[c].nMultiplier;
    const std::vector<std::int32_t> vecCategory = ScoreEveryHand(
        [&lines, nGame, nLosing](CHand* pHand) {
            const std::unique_ptr<CGame> pGame = CreateGame(nGame, pHand);
            const std::string strName = pGame ? pGame->GetName() : "";
            for (size_t i = 0; i < lines.size(); ++i)
                if (strName == lines[i].pszName) return static_cast<int>(i);
            ASSERT(strName.empty());
            return nLosing;
        },
        ScaledProgress(progress, 0.0, kScoringShare));
    m_vecCategory.assign(vecCategory.begin(), vecCategory.end());
    for (int nCount = 4; nCount >= 0; --nCount) BuildCounts(nCount);
    if (progress) progress(1.0);
}

std::string COutcomeTable::GetCategoryName(int nCategory) const {
    const std::span<const CPayLine> lines = GetPayTable(m_nGame);
    return nCategory >= 0 && nCategory < static_cast<int>(lines.size()) ? lines[nCategory].pszName
                                                                        : "";
}

int COutcomeTable::GetMultiplier(int nCategory) const {
    return nCategory >= 0 && nCategory < m_nCategories ? m_arrMultiplier[nCategory] : 0;
}

// As CDrawTable's sums: each hand holding a k-set holds 5 - k of the (k + 1)-sets over it.
void COutcomeTable::BuildCounts(int nCount) {
    const int nCategories = m_nCategories;
    std::vector<std::int32_t>& vecCounts = m_vecCounts[nCount];
    vecCounts.assign(static_cast<size_t>(Binomial(CARD_CODES, nCount)) * nCategories, 0);
    std::int32_t* pCounts = vecCounts.data();
    const std::int32_t* pBiggerCounts = nCount < 4 ? m_vecCounts[nCount + 1].data() : nullptr;
    const std::uint8_t* pCategory = m_vecCategory.data();
    const int nBiggerSets = CARD_CODES - nCount;
    const int nDivisor = 5 - nCount;
    ForEachSetWithSupersets(nCount, [&](int nSlot, const int* pBigger) {
        std::int32_t* pOwn = pCounts + static_cast<size_t>(nSlot) * nCategories;
        for (int i = 0; i < nBiggerSets; ++i) {
            if (pBiggerCounts == nullptr) {
                ++pOwn[pCategory[pBigger[i]]];
                continue;
            }
            const std::int32_t* pOther =
                pBiggerCounts + static_cast<size_t>(pBigger[i]) * nCategories;
            for (int c = 0; c < nCategories; ++c) pOwn[c] += pOther[c];
        }
        if (pBiggerCounts != nullptr)
            for (int c = 0; c < nCategories; ++c) pOwn[c] /= nDivisor;
    });
}

// As CHoldAnalyzer does with pays, by inclusion-exclusion over the subsets of the deal.
bool COutcomeTable::CountHolds(const std::array<int, 5>& arrCodes,
                               std::array<CHoldOutcomes, 32>& arrHolds) const {
    const CSortedDeal deal(arrCodes);
    ASSERT(deal.bValid);
    if (!deal.bValid) return false;
    std::int64_t arrCounts[32][MAX_CATEGORIES] = {};
    for (int nMask = 0; nMask < 32; ++nMask) {
        int arrSubset[5];
        const int nCount = MaskedCards(deal.arrSorted, nMask, arrSubset);
        if (nCount == 5) {
            arrCounts[nMask][GetCategory(arrSubset)] = 1;
            continue;
        }
        const std::int32_t* pCounts =
            m_vecCounts[nCount].data() +
            static_cast<size_t>(ColexIndex(arrSubset, nCount)) * m_nCategories;
        for (int c = 0; c < m_nCategories; ++c) arrCounts[nMask][c] = pCounts[c];
    }
    KeepExactHolds([&](int nMask, int nSuperset) {
        for (int c = 0; c < m_nCategories; ++c) arrCounts[nMask][c] -= arrCounts[nSuperset][c];
    });

    for (int nSortedMask = 0; nSortedMask < 32; ++nSortedMask) {
        const int nHoldMask = deal.HoldMask(nSortedMask);
        CHoldOutcomes& hold = arrHolds[nHoldMask];
        hold = CHoldOutcomes{};
        hold.nHoldMask = nHoldMask;
        hold.nHeld = std::popcount(static_cast<unsigned>(nSortedMask));
        hold.nDraws = Binomial(UNSEEN_CARDS, 5 - hold.nHeld);
        for (int c = 0; c < m_nCategories; ++c) {
            const std::int64_t nPay = GetMultiplier(c);
            hold.arrCounts[c] = arrCounts[nSortedMask][c];
            hold.nPaySum += hold.arrCounts[c] * nPay;
            hold.nPaySquareSum += hold.arrCounts[c] * nPay * nPay;
        }
    }
    return true;
}

std::size_t COutcomeTable::GetMemoryBytes() const {
    std::size_t nBytes = m_vecCategory.capacity();
    for (const std::vector<std::int32_t>& vec : m_vecCounts)
        nBytes += vec.capacity() * sizeof(std::int32_t);
    return nBytes;
}
