#include "games/family.h"

#include <algorithm>
#include <array>
#include <bit>

namespace {

constexpr const char* kJacksCategories[] = {
    "Royal Flush", "Straight Flush", "4 of a Kind", "Full House", "Flush",
    "Straight",    "3 of a Kind",    "2 Pair",      "Pair",
};
constexpr const char* kBonusCategories[] = {
    "Royal Flush",       "Straight Flush", "4 Aces", "4 of a Kind (2,3,4)",
    "4 of a Kind (5-K)", "Full House",     "Flush",  "Straight",
    "3 of a Kind",       "2 Pair",         "Pair",
};
constexpr const char* kDeucesCategories[] = {
    "Royal Flush", "4 Wild", "Royal Flush w/2's", "5 of a Kind", "Straight Flush", "4 of a Kind",
    "Full House",  "Flush",  "Straight",          "3 of a Kind",
};
// The same in words for the coach: four wild deuces are the hold the chart calls "4 Deuces",
// a name the table's label "4 Wild" does not give away.
constexpr const char* kDeucesWords[] = {
    "Royal Flush", "4 Deuces", "Royal Flush w/2's", "5 of a Kind", "Straight Flush", "4 of a Kind",
    "Full House",  "Flush",    "Straight",          "3 of a Kind",
};

// Category indices, in the orders above.
enum EJacks { J_ROYAL, J_SF, J_QUADS, J_FULL, J_FLUSH, J_STRAIGHT, J_TRIPS, J_TWO_PAIR, J_PAIR };
enum EBonus {
    B_ROYAL,
    B_SF,
    B_ACES,
    B_LOW_QUADS,
    B_QUADS,
    B_FULL,
    B_FLUSH,
    B_STRAIGHT,
    B_TRIPS,
    B_TWO_PAIR,
    B_PAIR
};
enum EDeuces {
    D_ROYAL,
    D_FOUR_WILD,
    D_WILD_ROYAL,
    D_FIVE,
    D_SF,
    D_QUADS,
    D_FULL,
    D_FLUSH,
    D_STRAIGHT,
    D_TRIPS
};

constexpr CCategoryReading kJacksReadings[] = {
    {J_ROYAL, J_SF},      {J_ROYAL, J_FLUSH},   {J_ROYAL, J_STRAIGHT}, {J_SF, J_FLUSH},
    {J_SF, J_STRAIGHT},   {J_QUADS, J_TRIPS},   {J_QUADS, J_TWO_PAIR}, {J_QUADS, J_PAIR},
    {J_FULL, J_TRIPS},    {J_FULL, J_TWO_PAIR}, {J_FULL, J_PAIR},      {J_TRIPS, J_PAIR},
    {J_TWO_PAIR, J_PAIR},
};
constexpr CCategoryReading kBonusReadings[] = {
    {B_ROYAL, B_SF},        {B_ROYAL, B_FLUSH},        {B_ROYAL, B_STRAIGHT}, {B_SF, B_FLUSH},
    {B_SF, B_STRAIGHT},     {B_ACES, B_TRIPS},         {B_ACES, B_TWO_PAIR},  {B_ACES, B_PAIR},
    {B_LOW_QUADS, B_TRIPS}, {B_LOW_QUADS, B_TWO_PAIR}, {B_LOW_QUADS, B_PAIR}, {B_QUADS, B_TRIPS},
    {B_QUADS, B_TWO_PAIR},  {B_QUADS, B_PAIR},         {B_FULL, B_TRIPS},     {B_FULL, B_TWO_PAIR},
    {B_FULL, B_PAIR},       {B_TRIPS, B_PAIR},         {B_TWO_PAIR, B_PAIR},
};
// With wild cards most hands have several readings: 2-2-2-5h-6h is a straight flush or four of a
// kind, 2-2-5-6-7 a straight or three of a kind, 2-2-2-2-A five aces.
constexpr CCategoryReading kDeucesReadings[] = {
    {D_FOUR_WILD, D_WILD_ROYAL},
    {D_FOUR_WILD, D_FIVE},
    {D_FOUR_WILD, D_SF},
    {D_FOUR_WILD, D_QUADS},
    {D_FOUR_WILD, D_FULL},
    {D_FOUR_WILD, D_FLUSH},
    {D_FOUR_WILD, D_STRAIGHT},
    {D_FOUR_WILD, D_TRIPS},
    {D_ROYAL, D_SF},
    {D_ROYAL, D_FLUSH},
    {D_ROYAL, D_STRAIGHT},
    {D_WILD_ROYAL, D_SF},
    {D_WILD_ROYAL, D_QUADS},
    {D_WILD_ROYAL, D_FULL},
    {D_WILD_ROYAL, D_FLUSH},
    {D_WILD_ROYAL, D_STRAIGHT},
    {D_WILD_ROYAL, D_TRIPS},
    {D_FIVE, D_QUADS},
    {D_FIVE, D_FULL},
    {D_FIVE, D_TRIPS},
    {D_SF, D_QUADS},
    {D_SF, D_FULL},
    {D_SF, D_FLUSH},
    {D_SF, D_STRAIGHT},
    {D_SF, D_TRIPS},
    {D_QUADS, D_FULL},
    {D_QUADS, D_TRIPS},
    {D_FULL, D_TRIPS},
    {D_FLUSH, D_TRIPS},
    {D_STRAIGHT, D_TRIPS},
};

constexpr int kAce = 14;
constexpr unsigned kRanksAll = 0x7FFCu;  // bits 2 to 14
constexpr unsigned kRoyalRanks = 0x1Fu << 10;
constexpr unsigned kWheelRanks = 1u << kAce | 0x3Cu;  // A, 2, 3, 4, 5

// The cards counted per suit index and per rank; the rank counts are kept as one set of ranks
// per count, so that straights and kinds are found with a few bit operations.
struct CCounts {
    int arrSuit[5];            // [0] takes the cards that must not count
    unsigned arrRanksHeld[6];  // [n]: bit r set when rank r is held exactly n times
    int nRanked;
    int nDeuces;
};

CCounts CountCards(const int* pRanks, const int* pSuits, bool bDeucesWild) {
    unsigned n1 = 0, n2 = 0, n3 = 0, n4 = 0, n5 = 0;
    unsigned nSuits = 0;  // four bits of count per suit index 0 to 4
    int nRanked = 0;
    int nDeuces = 0;
    for (int i = 0; i < 5; ++i) {
        const int nRank = pRanks[i];
        const int nSuit = pSuits[i];
        const bool bRanked = nRank >= 2 && nRank <= kAce;
        const unsigned nBit = bRanked ? 1u << nRank : 0u;
        n5 |= n4 & nBit;
        n4 |= n3 & nBit;
        n3 |= n2 & nBit;
        n2 |= n1 & nBit;
        n1 |= nBit;
        nRanked += bRanked ? 1 : 0;
        nDeuces += nRank == 2 ? 1 : 0;
        const bool bSuited = nSuit >= 1 && nSuit <= 4 && !(bDeucesWild && nRank == 2);
        nSuits += 1u << (4 * (bSuited ? nSuit : 0));
    }
    CCounts counts;
    for (int i = 0; i < 5; ++i) counts.arrSuit[i] = static_cast<int>((nSuits >> (4 * i)) & 0xF);
    counts.arrRanksHeld[0] = kRanksAll & ~n1;
    counts.arrRanksHeld[1] = n1 & ~n2;
    counts.arrRanksHeld[2] = n2 & ~n3;
    counts.arrRanksHeld[3] = n3 & ~n4;
    counts.arrRanksHeld[4] = n4 & ~n5;
    counts.arrRanksHeld[5] = n5;
    counts.nRanked = nRanked;
    counts.nDeuces = nDeuces;
    return counts;
}

int CountRanks(unsigned nRanks) {
    return std::popcount(nRanks);
}

// Jacks or Better and the Bonus family: no wild cards. The Bonus family splits four of a kind
// by its rank.
int ClassifyNatural(const CCounts& counts, const CRules& rules, bool bSplitQuads) {
    const unsigned nSingles = counts.arrRanksHeld[1];
    const unsigned nPairs = counts.arrRanksHeld[2];
    constexpr unsigned kHighRanks = 0xFu << 11;

    const bool bFlush = counts.arrSuit[1] == 5 || counts.arrSuit[2] == 5 ||
                        counts.arrSuit[3] == 5 || counts.arrSuit[4] == 5;
    // A window low..low+4 matches when each of its ranks is held exactly once.
    const bool bStraight =
        (nSingles & (nSingles >> 1) & (nSingles >> 2) & (nSingles >> 3) & (nSingles >> 4)) != 0 ||
        (rules.bWheelStraight && (nSingles & kWheelRanks) == kWheelRanks);

    // The Bonus categories stand two lines lower from four of a kind on.
    const int nShift = bSplitQuads ? 2 : 0;
    if (bFlush && (nSingles & kRoyalRanks) == kRoyalRanks) return J_ROYAL;
    if (bStraight && bFlush) return J_SF;
    if (counts.arrRanksHeld[4] != 0) {
        if (!bSplitQuads) return J_QUADS;
        const int nRank = std::countr_zero(counts.arrRanksHeld[4]);
        return nRank == kAce ? B_ACES : nRank <= 4 ? B_LOW_QUADS : B_QUADS;
    }
    const int p = (counts.arrRanksHeld[3] != 0 ? 3 : 0) + CountRanks(nPairs);
    if (p == 4) return J_FULL + nShift;
    if (bFlush) return J_FLUSH + nShift;
    if (bStraight) return J_STRAIGHT + nShift;
    if (p == 3) return J_TRIPS + nShift;
    if (p == 2) return J_TWO_PAIR + nShift;
    if (p == 1 && (nPairs & kHighRanks) != 0) return J_PAIR + nShift;
    return NO_CATEGORY;
}

// Every 2 is wild. The categories are tried from the top, so the first the hand makes is its
// highest reading.
int ClassifyDeuces(const CCounts& counts, const CRules& rules) {
    const int nWild = counts.nDeuces;
    if (nWild == 4) return D_FOUR_WILD;

    bool bFlush = false;
    for (int nSuit = 1; nSuit <= 4; ++nSuit) bFlush = bFlush || counts.arrSuit[nSuit] + nWild == 5;

    constexpr unsigned kNaturalRanks = kRanksAll & ~(1u << 2);
    auto heldExactly = [&counts](int n) {
        return n >= 0 && n <= 5 ? counts.arrRanksHeld[n] & kNaturalRanks : 0u;
    };
    const unsigned nHeld = kNaturalRanks & ~counts.arrRanksHeld[0];
    const unsigned nPairs = heldExactly(2);

    // A window is a straight when the five positions hold ranked cards, no natural rank twice,
    // and every natural card lies in the window: the 2s fill its gaps.
    const bool bFiveSingles =
        counts.nRanked == 5 && (nPairs | heldExactly(3) | heldExactly(4) | heldExactly(5)) == 0;
    auto fitsWindow = [nHeld](unsigned nWindow) { return (nHeld & ~nWindow) == 0; };
    if (bFlush && bFiveSingles && fitsWindow(kRoyalRanks))
        return nWild == 0 ? D_ROYAL : D_WILD_ROYAL;

    if (heldExactly(5 - nWild) != 0) return D_FIVE;

    // Windows run from 3-7 to 10-14, and A-2-3-4-5 where the rules allow it.
    const int nHighest = nHeld != 0 ? std::bit_width(nHeld) - 1 : 3;
    const bool bStraight = bFiveSingles && (fitsWindow(0x1Fu << std::max(3, nHighest - 4)) ||
                                            (rules.bWheelStraight && fitsWindow(kWheelRanks)));
    if (bStraight && bFlush) return D_SF;
    if (heldExactly(4 - nWild) != 0) return D_QUADS;

    // The 2s never make a pair: a full house is three of a kind and a natural pair, or with one
    // 2 two natural pairs, one of them made three by the 2.
    const bool bThree = heldExactly(3 - nWild) != 0;
    const int nPairsBesideThree = CountRanks(nPairs) - (nWild == 1 ? 1 : 0);
    if (bThree && nWild <= 1 && nPairsBesideThree >= 1) return D_FULL;
    if (bFlush) return D_FLUSH;
    if (bStraight) return D_STRAIGHT;
    return bThree ? D_TRIPS : NO_CATEGORY;
}

constexpr std::array kFamilies = {EFamily::JacksOrBetter, EFamily::Bonus, EFamily::DeucesWild};

}  // namespace

std::span<const char* const> FamilyCategories(EFamily eFamily) {
    switch (eFamily) {
        case EFamily::JacksOrBetter:
            return kJacksCategories;
        case EFamily::Bonus:
            return kBonusCategories;
        case EFamily::DeucesWild:
            return kDeucesCategories;
    }
    return {};
}

std::span<const char* const> FamilyCategoryWords(EFamily eFamily) {
    return eFamily == EFamily::DeucesWild ? std::span<const char* const>(kDeucesWords)
                                          : FamilyCategories(eFamily);
}

int CategoryCount(EFamily eFamily) {
    return static_cast<int>(FamilyCategories(eFamily).size());
}

const char* FamilyName(EFamily eFamily) {
    switch (eFamily) {
        case EFamily::JacksOrBetter:
            return "Jacks or Better";
        case EFamily::Bonus:
            return "Bonus";
        case EFamily::DeucesWild:
            return "Deuces Wild";
    }
    return "";
}

const char* FamilyKey(EFamily eFamily) {
    switch (eFamily) {
        case EFamily::JacksOrBetter:
            return "jacks";
        case EFamily::Bonus:
            return "bonus";
        case EFamily::DeucesWild:
            return "deuces";
    }
    return "";
}

const EFamily* FindFamily(std::string_view strKey) {
    for (const EFamily& eFamily : kFamilies)
        if (strKey == FamilyKey(eFamily)) return &eFamily;
    return nullptr;
}

int ClassifyHand(EFamily eFamily, const CRules& rules, const int* pRanks, const int* pSuits) {
    const bool bWild = eFamily == EFamily::DeucesWild;
    const CCounts counts = CountCards(pRanks, pSuits, bWild);
    if (bWild) return ClassifyDeuces(counts, rules);
    return ClassifyNatural(counts, rules, eFamily == EFamily::Bonus);
}

std::span<const CCategoryReading> FamilyReadings(EFamily eFamily) {
    switch (eFamily) {
        case EFamily::JacksOrBetter:
            return kJacksReadings;
        case EFamily::Bonus:
            return kBonusReadings;
        case EFamily::DeucesWild:
            return kDeucesReadings;
    }
    return {};
}
