// The family's classifier, read from a table: the category of five cards depends only on
// their ranks (a wild card is a rank of its own) and on whether their natural cards share a
// suit, so the classifier is asked once for each such kind of hand and a hand costs a few
// additions. Sets of fewer cards have kinds too, numbered the same way: what the hands
// holding a set make depends on nothing else, so the engine counts kinds, not sets.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "analysis/card_code.h"
#include "games/family.h"

namespace hand_scorer_detail {

// Ranks as codes read them, the joker the 14th. Ascending ranks r0 <= ... <= r4 are the
// different numbers r0 < r1 + 1 < ... < r4 + 4, so their colex rank numbers the kind of hand:
// the ith card adds C(ri + i, i + 1).
inline constexpr int kRankValues = MAX_CARD_CODES / 4 + 1;
using CRankParts = std::array<std::array<std::uint16_t, MAX_CARD_CODES>, 5>;
constexpr CRankParts MakeRankParts() {
    CRankParts parts{};
    for (int i = 0; i < 5; ++i)
        for (int nCode = 0; nCode < MAX_CARD_CODES; ++nCode)
            parts[static_cast<std::size_t>(i)][static_cast<std::size_t>(nCode)] =
                static_cast<std::uint16_t>(Binomial(nCode / 4 + i, i + 1));
    return parts;
}
inline constexpr CRankParts kRankParts = MakeRankParts();

}  // namespace hand_scorer_detail

class CHandScorer {
public:
    CHandScorer(const CFamily& family, const CRules& rules);

    // The outcome of five codes in ascending order: the category, or GetLosing().
    int Score(const int* pSortedCodes) const { return m_vecOutcomes[SetSlot(pSortedCodes, 5)]; }
    // The pieces of Score, for callers that add them up card by card: the ith card's share of
    // the hand's kind (cards in ascending order), the suit of a natural card as a bit.
    static int RankPart(int i, int nCode) {
        return hand_scorer_detail::kRankParts[static_cast<std::size_t>(i)]
                                             [static_cast<std::size_t>(nCode)];
    }
    unsigned SuitBit(int nCode) const { return m_arrSuitBits[static_cast<std::size_t>(nCode)]; }
    int Outcome(int nKind, unsigned nSuits) const { return m_vecOutcomes[Slot(nKind, nSuits)]; }
    int OutcomeAt(std::size_t nSlot) const { return m_vecOutcomes[nSlot]; }
    // The outcome of a hand that makes no category.
    int GetLosing() const { return m_nLosing; }

    // Where a set of nCount cards (0 to 5, ascending) of a kind stands among the sets of its
    // size: twice its kind, plus one where its natural cards share a suit.
    static std::size_t Slot(int nKind, unsigned nSuits) {
        const bool bOneSuit = (nSuits & (nSuits - 1)) == 0;
        return static_cast<std::size_t>(nKind * 2 + (bOneSuit ? 1 : 0));
    }
    std::size_t SetSlot(const int* pSortedCodes, int nCount) const {
        int nKind = 0;
        unsigned nSuits = 0;
        for (int i = 0; i < nCount; ++i) {
            nKind += RankPart(i, pSortedCodes[i]);
            nSuits |= SuitBit(pSortedCodes[i]);
        }
        return Slot(nKind, nSuits);
    }
    // How many slots the sets of nCount cards have. The kind of ranks r0 <= r1 <= ... (the
    // joker's rank after the ace's) is the sum of RankPart(i, 4 * ri).
    static int Slots(int nCount) { return 2 * Binomial(kRankValues - 1 + nCount, nCount); }
    static constexpr int kRankValues = hand_scorer_detail::kRankValues;

    // Calls visit(slot, codes) once for each kind of set of nCount cards (0 to 5) the family's
    // deck holds, with one set of that kind, codes ascending.
    void ForEachKind(int nCount,
                     const std::function<void(std::size_t nSlot, const int* pCodes)>& visit) const;

private:
    const CFamily* m_pFamily;
    int m_nLosing;
    std::array<unsigned, MAX_CARD_CODES> m_arrSuitBits{};  // 0 for a wild card
    std::vector<std::uint8_t> m_vecOutcomes;               // [kind * 2 + natural cards suited]
};

// The scorer of a family and rules, made once per run and kept.
const CHandScorer& SharedHandScorer(const CFamily& family, const CRules& rules);
