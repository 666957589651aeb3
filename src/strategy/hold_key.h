// How the hold classes tell sets of cards apart, for hold_class.cpp and hold_names.cpp alone: a
// class is a key of small numbers (what is kept, how many wild cards, cards, and two details),
// worked out from the cards and the ranks the family pays apart.
#pragma once

#include <array>
#include <cstdint>

#include "games/family.h"

namespace hold_key {

constexpr int kAce = 14;

enum EKind : std::uint32_t {
    kNothing,
    kMade,  // five cards making a category
    kFour,
    kThree,
    kTwoPair,
    kPair,
    kKind,  // Deuces Wild: n of a kind with the deuces
    kDeucesOnly,
    kRoyalDraw,
    kStraightFlushDraw,
    kFlushDraw,
    kStraightDraw,
    kHighCards,  // unsuited cards of a paying rank (or one alone)
    kOther,
    kThreeKicker,  // three of a kind and a kicker a four of its rank pays more with
    kPairKicker,   // a pair and such a kicker
};

// A class as small numbers, so that millions of sets are told apart without strings.
struct CKey {
    std::uint32_t nKind = kOther, nDeuces = 0, nCards = 0, nA = 0, nB = 0;
    std::uint32_t Packed() const {
        return nKind << 24 | nDeuces << 20 | nCards << 16 | nA << 8 | nB;
    }
    static CKey Unpack(std::uint32_t n) {
        return {n >> 24, n >> 20 & 15, n >> 16 & 15, n >> 8 & 255, n & 255};
    }
};

// Ranks a family pays apart, from its description: a kind group is the four of a kind that
// pays a rank with any kicker (in Bonus: aces, 2-4, 5-K); a pair group is a kind group split
// into pairs that pay and pairs that do not (in Bonus: aces, J-K, 2-4, 5-10). Numbered in
// pay-table order, paying pairs first.
struct CRankGroups {
    std::array<std::uint32_t, 15> arrKind{}, arrPair{};
    std::array<int, 16> arrKindCategory{};    // by kind group
    std::array<unsigned, 16> arrPairRanks{};  // by pair group
    std::array<bool, 16> arrPairPays{};       // by pair group
    std::uint32_t nKinds = 0, nPairs = 0;
    int nLowPair = 0;    // the lowest rank whose pair pays; 15 where none does
    int nWildCards = 0;  // in the deck
};

CRankGroups MakeRankGroups(const CFamily& family);

// The category paying four of nRank more with a kicker of nKicker (-1 for none): "4 Aces w/ 2-4".
int KickerCategory(const CFamily& family, int nRank, int nKicker);

// The class of nCount (0 to 5) different codes in ascending order.
CKey Classify(const CFamily& family, const CRankGroups& groups, const CRules& rules,
              const int* pCodes, int nCount);

}  // namespace hold_key
