#include "support/oracle/draw_table.h"

#include <algorithm>
#include <memory>

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

}  // namespace

// Scores every hand, in slot order: for a < b < c < d < e the slot grows by one from each hand
// to the next. Plain and slow on purpose, so that it shares nothing with the engine's counting.
std::vector<std::int32_t> ScoreEveryHand(const CPayFunction& payFunction,
                                         const CProgressFunction& progress) {
    std::vector<std::int32_t> vecScores(kHands, 0);
    const CCodeCards cards;
    std::int32_t* pScores = vecScores.data();
    ParallelFor(
        CARD_CODES - 4, 1,
        [&](int nBegin, int nEnd) {
            CCardArray arrFive;
            arrFive.SetSize(5);
            CHand hand(&arrFive);
            for (int e = nBegin + 4; e < nEnd + 4; ++e) {
                int nSlot = Binomial(e, 5);
                hand.SetCard(4, cards.Get(e));
                for (int d = 3; d < e; ++d) {
                    hand.SetCard(3, cards.Get(d));
                    for (int c = 2; c < d; ++c) {
                        hand.SetCard(2, cards.Get(c));
                        for (int b = 1; b < c; ++b) {
                            hand.SetCard(1, cards.Get(b));
                            for (int a = 0; a < b; ++a) {
                                hand.SetCard(0, cards.Get(a));
                                pScores[nSlot++] = payFunction(&hand);
                            }
                        }
                    }
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
    ForEachSetWithSupersets(CARD_CODES, nCount, [&](int nSlot, const int* pBigger) {
        std::int64_t nTotal = 0;
        for (int i = 0; i < nBiggerSets; ++i)
            nTotal += pBiggerSums != nullptr ? pBiggerSums[pBigger[i]] : pPays[pBigger[i]];
        pSums[nSlot] = nTotal / nDivisor;
    });
}
