#include "analysis/card_code.h"

#include <algorithm>
#include <cctype>

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
