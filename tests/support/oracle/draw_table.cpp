#include "support/oracle/draw_table.h"

#include <algorithm>
#include <memory>

#include "analysis/deal_classes.h"
#include "games/pay_table.h"
#include "model/card.h"
#include "model/hand.h"
#include "platform/afx.h"

namespace {

constexpr int kHands = Binomial(CARD_CODES, 5);
// Scoring is about half the build; the sums that follow take the rest.
constexpr double kScoringShare = 0.5;

// The 52 cards the pay function is shown, one per code.
class CCodeCards {
public:
    CCodeCards() {
        for (int nCode = 0; nCode < CARD_CODES; ++nCode)
            m_cards[nCode] =
                std::make_unique<CCard>(CardCodeSuit(nCode), CardCodeRank(nCode), 0, 0);
    }
    CCard* Get(int nCode) const { return m_cards[nCode].get(); }

private:
    std::array<std::unique_ptr<CCard>, CARD_CODES> m_cards;
};

int ClampPay(int nPay) {
    ASSERT(nPay >= -MAX_PAY_PER_COIN && nPay <= MAX_PAY_PER_COIN);
    return std::clamp(nPay, -MAX_PAY_PER_COIN, MAX_PAY_PER_COIN);
}

// Every renaming of the four suits: m_n[r][s] is the index suit index s becomes.
struct CRenamings {
    int m_n[24][4];
};
constexpr CRenamings MakeRenamings() {
    CRenamings renamings{};
    int r = 0;
    for (int a = 0; a < 4; ++a)
        for (int b = 0; b < 4; ++b)
            for (int c = 0; c < 4; ++c)
                for (int d = 0; d < 4; ++d)
                    if (a != b && a != c && a != d && b != c && b != d && c != d) {
                        const int arrSuitOf[4] = {a, b, c, d};
                        for (int s = 0; s < 4; ++s) renamings.m_n[r][s] = arrSuitOf[s];
                        ++r;
                    }
    return renamings;
}
constexpr CRenamings kRenamings = MakeRenamings();
// Renaming by a swap of two suits and by a cycle of all four makes every renaming.
constexpr int kSwap[4] = {1, 0, 2, 3};
constexpr int kCycle[4] = {1, 2, 3, 0};

// The hand with every suit index s replaced by pSuitOf[s], in ascending order again. Plain
// arrays: this runs millions of times per table, unoptimised builds included.
void Rename(const int* pCodes, const int* pSuitOf, int* pImage) {
    for (int i = 0; i < 5; ++i) {
        const int nCode = (pCodes[i] & ~3) | pSuitOf[pCodes[i] & 3];
        int j = i;
        for (; j > 0 && pImage[j - 1] > nCode; --j) pImage[j] = pImage[j - 1];
        pImage[j] = nCode;
    }
}

}  // namespace

// Scores one hand of each class of hands equal up to suits and gives its score to every hand
// of the class: with the check below, about a tenth of the calls of scoring each hand.
std::vector<std::int32_t> ScoreEveryHand(const CPayFunction& payFunction,
                                         const CProgressFunction& progress) {
    std::vector<std::int32_t> vecScores(kHands, 0);
    const CCodeCards cards;
    const std::vector<CDealClass>& vecClasses = DealClasses();
    std::int32_t* pScores = vecScores.data();
    ParallelFor(
        static_cast<int>(vecClasses.size()), 1024,
        [&](int nBegin, int nEnd) {
            const auto& binomials = card_code_detail::kBinomials.m_n;
            CCardArray arrFive;
            arrFive.SetSize(5);
            CHand hand(&arrFive);
            const auto Score = [&](const int* pCodes) {
                for (int i = 0; i < 5; ++i) hand.SetCard(i, cards.Get(pCodes[i]));
                return payFunction(&hand);
            };
            for (int i = nBegin; i < nEnd; ++i) {
                const int* pCodes = vecClasses[i].arrCodes.data();
                const int nScore = Score(pCodes);
                int arrImage[5];
                // A function that minds suit names breaks the contract: say so. One check per
                // class, by turns with each of the two renamings that make all others.
                Rename(pCodes, i % 2 == 0 ? kSwap : kCycle, arrImage);
                ASSERT(Score(arrImage) == nScore);
                for (const auto& suitOf : kRenamings.m_n) {
                    Rename(pCodes, suitOf, arrImage);
                    pScores[binomials[arrImage[0]][1] + binomials[arrImage[1]][2] +
                            binomials[arrImage[2]][3] + binomials[arrImage[3]][4] +
                            binomials[arrImage[4]][5]] = nScore;
                }
            }
        },
        progress);
    return vecScores;
}

CDrawTable::CDrawTable(const CPayFunction& payFunction, const CProgressFunction& progress)
    : m_vecPay(ScoreEveryHand([&payFunction](CHand* pHand) { return ClampPay(payFunction(pHand)); },
                              ScaledProgress(progress, 0.0, kScoringShare))) {
    for (int nCount = 4; nCount >= 0; --nCount) BuildSums(nCount);
    if (progress) progress(1.0);
}

std::int64_t CDrawTable::GetSum(const int* pSortedCodes, int nCount) const {
    ASSERT(nCount >= 0 && nCount <= 5);
    if (nCount == 5) return GetPay(pSortedCodes);
    if (nCount < 0 || nCount > 5) return 0;
    return m_vecSums[nCount][ColexIndex(pSortedCodes, nCount)];
}

// Each hand holding a k-set S holds 5 - k of the sets S + one card, so adding the sums of
// those (k + 1)-sets counts every hand 5 - k times.
void CDrawTable::BuildSums(int nCount) {
    std::vector<std::int64_t>& vecSums = m_vecSums[nCount];
    vecSums.assign(Binomial(CARD_CODES, nCount), 0);
    std::int64_t* pSums = vecSums.data();
    const std::int32_t* pPays = m_vecPay.data();
    const std::int64_t* pBiggerSums = nCount < 4 ? m_vecSums[nCount + 1].data() : nullptr;
    const int nBiggerSets = CARD_CODES - nCount;
    const int nDivisor = 5 - nCount;
    ForEachSetWithSupersets(nCount, [&](int nSlot, const int* pBigger) {
        std::int64_t nTotal = 0;
        for (int i = 0; i < nBiggerSets; ++i)
            nTotal += pBiggerSums != nullptr ? pBiggerSums[pBigger[i]] : pPays[pBigger[i]];
        pSums[nSlot] = nTotal / nDivisor;
    });
}
