#include "analysis/card_code.h"

#include <algorithm>
#include <cctype>

#include "analysis/parallel_for.h"
#include "model/card.h"
#include "model/card_words.h"
#include "platform/afx.h"

namespace {

int ParseRankText(const std::string& strRank) {
    if (strRank == "10") return 10;
    if (strRank.size() != 1) return 0;
    return RankOfLetter(static_cast<char>(std::toupper(static_cast<unsigned char>(strRank[0]))));
}

int ParseSuitText(char c) {
    switch (std::tolower(static_cast<unsigned char>(c))) {
        case 'c':
            return SUIT_CLUBS;
        case 'd':
            return SUIT_DIAMONDS;
        case 'h':
            return SUIT_HEARTS;
        case 's':
            return SUIT_SPADES;
        default:
            return 0;
    }
}

}  // namespace

int ParseCardCode(const std::string& strText) {
    if (strText.size() == 2 && std::toupper(static_cast<unsigned char>(strText[0])) == 'J' &&
        std::tolower(static_cast<unsigned char>(strText[1])) == 'k')
        return JOKER_CODE;
    if (strText.size() < 2 || strText.size() > 3) return NO_CARD_CODE;
    const int nRank = ParseRankText(strText.substr(0, strText.size() - 1));
    const int nSuit = ParseSuitText(strText.back());
    if (nRank == 0 || nSuit == 0) return NO_CARD_CODE;
    return CardCode(nSuit, nRank);
}

std::string CardCodeText(int nCode) {
    if (nCode == JOKER_CODE) return "Jk";
    ASSERT(nCode >= 0 && nCode < CARD_CODES);
    if (nCode < 0 || nCode >= CARD_CODES) return "??";
    static const char* const kRanks[] = {"2", "3",  "4", "5", "6", "7", "8",
                                         "9", "10", "J", "Q", "K", "A"};
    static const char kSuits[] = {'c', 'd', 'h', 's'};
    return std::string(kRanks[nCode / 4]) + kSuits[nCode % 4];
}

void ColexUnrank(int nIndex, int nCount, int* pSortedCodes) {
    // The highest code first: the largest c with C(c, i + 1) <= what is left.
    for (int i = nCount - 1; i >= 0; --i) {
        int c = i;
        while (c + 1 < MAX_CARD_CODES && Binomial(c + 1, i + 1) <= nIndex) ++c;
        pSortedCodes[i] = c;
        nIndex -= Binomial(c, i + 1);
    }
}

bool ColexNext(int* pSortedCodes, int nCount, int nCards) {
    for (int i = 0; i < nCount; ++i) {
        const int nLimit = i + 1 < nCount ? pSortedCodes[i + 1] : nCards;
        if (pSortedCodes[i] + 1 < nLimit) {
            ++pSortedCodes[i];
            for (int j = 0; j < i; ++j) pSortedCodes[j] = j;
            return true;
        }
    }
    return false;
}

CSortedDeal::CSortedDeal(const std::array<int, 5>& arrCodes) {
    bValid = true;
    for (int i = 0; i < 5; ++i) {
        if (arrCodes[i] < 0 || arrCodes[i] >= MAX_CARD_CODES) bValid = false;
        for (int j = 0; j < i; ++j)
            if (arrCodes[j] == arrCodes[i]) bValid = false;
    }
    if (!bValid) return;
    std::sort(arrPosition.begin(), arrPosition.end(),
              [&](int a, int b) { return arrCodes[a] < arrCodes[b]; });
    for (int i = 0; i < 5; ++i) arrSorted[i] = arrCodes[arrPosition[i]];
}

int CSortedDeal::HoldMask(int nSortedMask) const {
    int nHoldMask = 0;
    for (int i = 0; i < 5; ++i)
        if (nSortedMask & (1 << i)) nHoldMask |= 1 << arrPosition[i];
    return nHoldMask;
}

void ForEachSetWithSupersets(int nCards, int nCount,
                             const std::function<void(int nSlot, const int* pBigger)>& visit) {
    ASSERT(nCount >= 0 && nCount <= 4 && nCards > 4 && nCards <= MAX_CARD_CODES);
    if (nCount < 0 || nCount > 4 || nCards <= 4 || nCards > MAX_CARD_CODES) return;
    ParallelFor(Binomial(nCards, nCount), 4096, [&](int nBegin, int nEnd) {
        int arrSet[5] = {};
        ColexUnrank(nBegin, nCount, arrSet);
        arrSet[nCount] = nCards;  // past every card: ends the scan below, never stepped
        const auto& binomials = card_code_detail::kBinomials.m_n;
        int arrBigger[MAX_CARD_CODES];
        for (int nSlot = nBegin; nSlot < nEnd; ++nSlot) {
            // With the new card c placed after the first p members, the bigger set's slot is
            // (members below c, unmoved) + C(c, p + 1) + (members above c, one place up).
            int arrBelow[6];
            int arrAbove[6];
            arrBelow[0] = 0;
            for (int p = 0; p < nCount; ++p)
                arrBelow[p + 1] = arrBelow[p] + binomials[arrSet[p]][p + 1];
            arrAbove[nCount] = 0;
            for (int p = nCount - 1; p >= 0; --p)
                arrAbove[p] = arrAbove[p + 1] + binomials[arrSet[p]][p + 2];
            int p = 0;
            int nBigger = 0;
            for (int c = 0; c < nCards; ++c) {
                if (arrSet[p] == c) {
                    ++p;
                    continue;
                }
                arrBigger[nBigger++] = arrBelow[p] + binomials[c][p + 1] + arrAbove[p];
            }
            visit(nSlot, arrBigger);
            ColexNext(arrSet, nCount, nCards);
        }
    });
}
