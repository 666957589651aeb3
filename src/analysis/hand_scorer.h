// The family's classifier, read from a table: the category of five cards depends only on
// their ranks (a wild card is a rank of its own) and on whether their natural cards share a
// suit, so the classifier is asked once for each such kind of hand and a hand costs a few
// additions. The counts score millions of hands this way.
#pragma once

#include <array>
#include <cstdint>
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
    int Score(const int* pSortedCodes) const { return m_vecOutcomes[SlotOf(pSortedCodes)]; }
    // The pieces of Score, for callers that add them up card by card: the ith card's share of
    // the hand's kind (cards in ascending order), the suit of a natural card as a bit.
    static int RankPart(int i, int nCode) {
        return hand_scorer_detail::kRankParts[static_cast<std::size_t>(i)]
                                             [static_cast<std::size_t>(nCode)];
    }
    unsigned SuitBit(int nCode) const { return m_arrSuitBits[static_cast<std::size_t>(nCode)]; }
    int Outcome(int nKind, unsigned nSuits) const { return m_vecOutcomes[Slot(nKind, nSuits)]; }
    // The outcome of a hand that makes no category.
    int GetLosing() const { return m_nLosing; }

private:
    static constexpr int kRankValues = hand_scorer_detail::kRankValues;
    static constexpr int kKinds = Binomial(kRankValues + 4, 5);

    static std::size_t Slot(int nKind, unsigned nSuits) {
        const bool bOneSuit = (nSuits & (nSuits - 1)) == 0;
        return static_cast<std::size_t>(nKind * 2 + (bOneSuit ? 1 : 0));
    }
    std::size_t SlotOf(const int* pSortedCodes) const {
        int nKind = 0;
        unsigned nSuits = 0;
        for (int i = 0; i < 5; ++i) {
            nKind += RankPart(i, pSortedCodes[i]);
            nSuits |= SuitBit(pSortedCodes[i]);
        }
        return Slot(nKind, nSuits);
    }
    void Learn(const CFamily& family, const CRules& rules, const int* pCodes);

    int m_nLosing;
    std::array<unsigned, MAX_CARD_CODES> m_arrSuitBits{};  // 0 for a wild card
    std::vector<std::uint8_t> m_vecOutcomes;               // [kind * 2 + natural cards suited]
};

// The scorer of a family and rules, made once per run and kept.
const CHandScorer& SharedHandScorer(const CFamily& family, const CRules& rules);
