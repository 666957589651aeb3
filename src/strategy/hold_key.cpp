#include "strategy/hold_key.h"

#include <algorithm>
#include <bit>
#include <optional>

#include "analysis/card_code.h"

namespace hold_key {

namespace {

// The held cards as Classify reads them: the natural cards by rank and suit, and the wild ones.
struct CHeld {
    int nNatural = 0, nWild = 0;
    int arrCount[15] = {};
    unsigned nRankMask = 0, nSuitMask = 0;
    int nDistinct = 0, nMost = 0, nPairs = 0, nMostRank = 0;  // of the natural ranks
};

CHeld CountHeld(const CFamily& family, const int* pCodes, int nCount) {
    CHeld held;
    for (int i = 0; i < nCount; ++i) {
        if (family.IsWild(pCodes[i])) {
            ++held.nWild;
            continue;
        }
        const int nRank = CardCodeRank(pCodes[i]);
        const int nSuit = CardCodeSuit(pCodes[i]) / 100;
        ++held.nNatural;
        ++held.arrCount[nRank];
        held.nRankMask |= 1u << nRank;
        held.nSuitMask |= 1u << nSuit;
    }
    for (int r = 2; r <= kAce; ++r) {
        if (held.arrCount[r] == 0) continue;
        ++held.nDistinct;
        if (held.arrCount[r] == 2) ++held.nPairs;
        if (held.arrCount[r] > held.nMost) held.nMost = held.arrCount[r], held.nMostRank = r;
    }
    return held;
}

// How many straights (five ranks in a row; A-2-3-4-5 too where the rules say so) hold every
// rank of the mask (bit r for rank r, 2 to 14), from the one whose lowest rank is nFirst.
int StraightWindows(unsigned nRanks, const CRules& rules, int nFirst) {
    int nWindows = 0;
    if (nFirst < 2 && !rules.bWheelStraight) nFirst = 2;
    for (int nLow = nFirst; nLow <= 10; ++nLow) {
        unsigned nWindow = 0;
        for (int r = nLow; r < nLow + 5; ++r) nWindow |= 1u << (r == 1 ? kAce : r);
        if ((nRanks & ~nWindow) == 0) ++nWindows;
    }
    return nWindows;
}

// A made hand is kept whole; a four of a kind (or Deuces' four deuces) with a fifth card is the
// four kept.
CKey ClassifyFive(const CFamily& family, const CRules& rules, const int* pCodes, CKey key) {
    const int nCategory = ClassifyHand(family, rules, pCodes);
    const EShape eShape = nCategory == NO_CATEGORY
                              ? EShape::Pair
                              : family.categories[static_cast<std::size_t>(nCategory)].eShape;
    // A four of a kind is kept whole where its kicker pays more.
    const bool bKicker =
        eShape == EShape::FourOfAKind &&
        family.categories[static_cast<std::size_t>(nCategory)].nKickers != ALL_RANKS;
    if (bKicker ||
        (eShape != EShape::Pair && eShape != EShape::TwoPair && eShape != EShape::ThreeOfAKind &&
         eShape != EShape::FourOfAKind && eShape != EShape::FourWild)) {
        key.nKind = kMade;
        key.nA = static_cast<std::uint32_t>(nCategory);
    }
    return key;
}

// Cards of one rank kept together (and, in Deuces Wild, the deuces alone); none where the
// ranks all differ.
std::optional<CKey> ClassifyKinds(const CFamily& family, const CRankGroups& groups,
                                  const CHeld& held, int nCount, bool bDeuces, CKey key) {
    if (bDeuces) {
        if (held.nNatural == 0) {
            key.nKind = kDeucesOnly;
            return key;
        }
        if (held.nDistinct == 1 && nCount >= 3) {
            key.nKind = kKind;
            // One wild card makes the three or four of a kind the natural cards make, so the
            // two can share a line.
            if (groups.nWildCards == 1 && nCount <= 4) {
                key.nKind = nCount == 3 ? kThree : kFour;
                key.nA = groups.arrKind[static_cast<std::size_t>(held.nMostRank)];
            }
            return key;
        }
        if (held.nWild == 0 && nCount == 2 && held.nMost == 2) {
            key.nKind = kPair;
            key.nA = groups.arrPair[static_cast<std::size_t>(held.nMostRank)];
            return key;
        }
        if (held.nWild == 0 && nCount == 4 && held.nPairs == 2) {
            key.nKind = kTwoPair;
            return key;
        }
    } else if (held.nMost >= 2) {
        const auto nRank = static_cast<std::size_t>(held.nMostRank);
        if (held.nMost == 4) key.nKind = kFour, key.nA = groups.arrKind[nRank];
        if (held.nMost == 3 && nCount == 3) key.nKind = kThree, key.nA = groups.arrKind[nRank];
        if (held.nPairs == 2 && nCount == 4) key.nKind = kTwoPair;
        if (held.nMost == 2 && nCount == 2) key.nKind = kPair, key.nA = groups.arrPair[nRank];
        // Three of a kind or a pair with a kicker its four would pay more with.
        if (held.nDistinct == 2 && nCount == held.nMost + 1) {
            int nKicker = 2;
            while (nKicker < kAce && (held.arrCount[nKicker] != 1)) ++nKicker;
            const int nCategory = KickerCategory(family, held.nMostRank, nKicker);
            if (nCategory >= 0) {
                key.nKind = held.nMost == 3 ? kThreeKicker : kPairKicker;
                key.nA = static_cast<std::uint32_t>(nCategory);
            }
        }
        return key;
    }
    if (held.nMost >= 2) return key;  // a pair and more, in Deuces Wild
    return std::nullopt;
}

// Different ranks, with any deuces as wild cards: high cards, or a draw to a royal, straight
// flush, straight or flush.
CKey ClassifyDraw(const CFamily& family, const CRankGroups& groups, const CRules& rules,
                  const CHeld& held, bool bDeuces, CKey key) {
    int nHigh = 0;
    for (int r = groups.nLowPair; r <= kAce; ++r) nHigh += held.arrCount[r];
    const bool bSuited =
        std::popcount(held.nSuitMask) == 1 && (held.nNatural >= 2 || held.nWild > 0);
    // High cards matter where a pair of them pays (with the joker, too).
    const bool bHighPays = groups.nLowPair <= kAce;
    if (bHighPays && held.nNatural > 0 && (!bSuited || held.nNatural == 1) &&
        nHigh == held.nNatural) {
        key.nKind = kHighCards;
        key.nA = held.nRankMask >> groups.nLowPair;
        return key;
    }
    if (!bDeuces && held.nNatural == 1) return key;  // one low card
    if (bHighPays) key.nB = static_cast<std::uint32_t>(nHigh);
    // In Deuces Wild only a deuce fills a straight's 2, a deuce the draw then lacks: those
    // straights count only where no other is left, and as one gap more.
    const bool bNoTwos = family.LowestNaturalRank() == 3;
    int nWindows = StraightWindows(held.nRankMask, rules, bNoTwos ? 3 : 1);
    int nEndGap = 0;
    if (bNoTwos && nWindows == 0 && held.nWild > 0) {
        nWindows = StraightWindows(held.nRankMask, rules, 1);
        nEndGap = 1;
    }
    // A straight the cards could have been part of but are not: a rank missing between them or
    // the end of the ranks. Deuces are not counted: a deuce fills a gap the natural cards leave.
    key.nA = static_cast<std::uint32_t>(std::max(0, 6 - held.nNatural - nWindows) + nEndGap);
    if (bSuited && (held.nRankMask & ((1u << 10) - 1)) == 0) {
        key.nKind = kRoyalDraw;
        key.nA = key.nB = 0;
        // Which high cards matters where they are all the player holds of the royal, two, or
        // three without a wild card: Q J 10 draws to straights as well, A K 10 hardly.
        if ((held.nNatural == 2 && key.nCards <= 3) || (held.nNatural == 3 && held.nWild == 0))
            key.nA = held.nRankMask >> 10;
        return key;
    }
    if (nWindows > 0) {
        key.nKind = bSuited ? kStraightFlushDraw : kStraightDraw;
        return key;
    }
    if (bSuited) {
        key.nKind = kFlushDraw;
        key.nA = 0;
        // Drawing one card to four natural ones, high cards hardly count; beside the joker,
        // which makes a pair of any, they do.
        if (key.nCards == 4 && key.nDeuces == 0) key.nB = 0;
        return key;
    }
    return CKey{kOther, key.nDeuces, key.nCards, 0, 0};
}

// Each rank's kind group: the first plain four of a kind covering it (-1 for none).
std::array<int, 15> KindCategories(const CFamily& family) {
    std::array<int, 15> arrCategory{};
    for (int r = 2; r <= kAce; ++r) {
        arrCategory[static_cast<std::size_t>(r)] = -1;
        for (int c = 0; c < family.CategoryCount(); ++c) {
            const CCategory& category = family.categories[static_cast<std::size_t>(c)];
            if (category.eShape == EShape::FourOfAKind && category.nKickers == ALL_RANKS &&
                (category.nRanks >> r & 1u) != 0) {
                arrCategory[static_cast<std::size_t>(r)] = c;
                break;
            }
        }
    }
    return arrCategory;
}

}  // namespace

int KickerCategory(const CFamily& family, int nRank, int nKicker) {
    for (int c = 0; c < family.CategoryCount(); ++c) {
        const CCategory& category = family.categories[static_cast<std::size_t>(c)];
        if (category.eShape == EShape::FourOfAKind && category.nKickers != ALL_RANKS &&
            (category.nRanks >> nRank & 1u) != 0 && (category.nKickers >> nKicker & 1u) != 0)
            return c;
    }
    return -1;
}

CRankGroups MakeRankGroups(const CFamily& family) {
    CRankGroups groups;
    groups.nLowPair = family.nLowestPair >= 2 ? family.nLowestPair : 15;
    groups.nWildCards = family.WildCards();
    const std::array<int, 15> arrCategory = KindCategories(family);
    for (int c = -1; c < family.CategoryCount(); ++c) {
        bool bUsed = false;
        for (int r = 2; r <= kAce; ++r)
            if (arrCategory[static_cast<std::size_t>(r)] == c) {
                groups.arrKind[static_cast<std::size_t>(r)] = groups.nKinds;
                bUsed = true;
            }
        if (bUsed) groups.arrKindCategory[groups.nKinds++] = c;
    }
    for (const bool bPays : {true, false})
        for (std::uint32_t g = 0; g < groups.nKinds; ++g) {
            unsigned nRanks = 0;
            for (int r = family.LowestNaturalRank(); r <= kAce; ++r)
                if (groups.arrKind[static_cast<std::size_t>(r)] == g &&
                    (r >= groups.nLowPair) == bPays)
                    nRanks |= 1u << r;
            if (nRanks == 0) continue;
            for (int r = 2; r <= kAce; ++r)
                if ((nRanks >> r & 1u) != 0)
                    groups.arrPair[static_cast<std::size_t>(r)] = groups.nPairs;
            groups.arrPairRanks[groups.nPairs] = nRanks;
            groups.arrPairPays[groups.nPairs++] = bPays;
        }
    return groups;
}

CKey Classify(const CFamily& family, const CRankGroups& groups, const CRules& rules,
              const int* pCodes, int nCount) {
    if (nCount == 0) return {kNothing, 0, 0, 0, 0};
    const CHeld held = CountHeld(family, pCodes, nCount);
    CKey key;
    key.nCards = static_cast<std::uint32_t>(nCount);
    key.nDeuces = static_cast<std::uint32_t>(held.nWild);
    if (nCount == 5) return ClassifyFive(family, rules, pCodes, key);
    const bool bDeuces = family.eWild != EWild::None;
    if (const std::optional<CKey> kind = ClassifyKinds(family, groups, held, nCount, bDeuces, key))
        return *kind;
    return ClassifyDraw(family, groups, rules, held, bDeuces, key);
}

}  // namespace hold_key
