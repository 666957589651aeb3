// Cards as small numbers for the strategy tables: code = (rank - 2) * 4 + suit index, suit index
// 0 clubs, 1 diamonds, 2 hearts, 3 spades.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "games/family.h"

constexpr int CARD_CODES = 52;  // the deck without the joker
constexpr int MAX_CARD_CODES = JOKER_CODE + 1;

// Text as players write it: rank 2-10, J, Q, K, A (T also stands for 10), then suit c, d, h,
// s; "Jk" for the joker (JOKER_CODE); either case. NO_CARD_CODE for anything else.
int ParseCardCode(const std::string& strText);
// "10h", "Qs", "Jk": the form ParseCardCode reads.
std::string CardCodeText(int nCode);

namespace card_code_detail {
// A plain array, so that the per-deal work (which indexes sets millions of times) stays quick
// even in unoptimised builds.
struct CBinomialTable {
    int m_n[MAX_CARD_CODES + 1][6];
};
constexpr CBinomialTable MakeBinomials() {
    CBinomialTable table{};
    for (int n = 0; n <= MAX_CARD_CODES; ++n) {
        table.m_n[n][0] = 1;
        for (int k = 1; k <= 5 && k <= n; ++k)
            table.m_n[n][k] = table.m_n[n - 1][k - 1] + table.m_n[n - 1][k];
    }
    return table;
}
inline constexpr CBinomialTable kBinomials = MakeBinomials();
}  // namespace card_code_detail

// C(n, k) for 0 <= n <= 53 and 0 <= k <= 5 (0 where k > n).
constexpr int Binomial(int n, int k) {
    return card_code_detail::kBinomials.m_n[n][k];
}

// A deal in ascending order of codes, for the table look-ups, remembering where each card was
// dealt. Not valid unless the deal is five different card codes.
struct CSortedDeal {
    explicit CSortedDeal(const std::array<int, 5>& arrCodes);
    // The hold mask by dealt positions of a mask by sorted positions.
    int HoldMask(int nSortedMask) const;

    bool bValid = false;
    int arrSorted[5] = {};
    std::array<int, 5> arrPosition = {0, 1, 2, 3, 4};  // [i]: where sorted card i was dealt
};

// The cards of five sorted codes that nMask picks (bit i: card i), into pSubset in the same
// order; their count.
inline int MaskedCards(const int* pSortedCodes, int nMask, int* pSubset) {
    int nCount = 0;
    for (int i = 0; i < 5; ++i)
        if (nMask & (1 << i)) pSubset[nCount++] = pSortedCodes[i];
    return nCount;
}

// A hold keeps H and draws from the 47 unseen cards, so its hands are those that hold H and
// none of the other dealt cards. Given, for each of the 32 subsets of a deal, a figure summed
// over every hand holding that subset, subtract(nMask, nSuperset) is called so that afterwards
// each mask's figure covers only the hands holding exactly that subset of the deal
// (inclusion-exclusion over the dealt cards).
template <typename Subtract>
void KeepExactHolds(Subtract subtract) {
    for (int nBit = 1; nBit < 32; nBit <<= 1)
        for (int nMask = 0; nMask < 32; ++nMask)
            if (!(nMask & nBit)) subtract(nMask, nMask | nBit);
}
