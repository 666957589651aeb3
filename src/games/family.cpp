#include "games/family.h"

#include <algorithm>
#include <bit>
#include <mutex>
#include <vector>

#include "model/card.h"

namespace {

using S = EShape;

constexpr int kAce = 14;
constexpr unsigned kAces = RanksFrom(kAce);
constexpr unsigned kFaces = RanksFrom(11, 13);
constexpr unsigned kLowFour = RanksFrom(2, 4);
constexpr unsigned kRoyalRanks = RanksFrom(10);
constexpr unsigned kWheelRanks = RanksFrom(2, 5) | kAces;

// The top and the bottom of every family without wild cards.
#define HIGH_HANDS                         \
    {"Royal Flush", S::NaturalRoyal}, {    \
        "Straight Flush", S::StraightFlush \
    }
#define LOW_HANDS(pair)                                                           \
    {"Full House", S::FullHouse}, {"Flush", S::Flush}, {"Straight", S::Straight}, \
        {"3 of a Kind", S::ThreeOfAKind}, {"2 Pair", S::TwoPair}, {               \
        pair, S::Pair                                                             \
    }

constexpr CCategory kJacks[] = {HIGH_HANDS, {"4 of a Kind", S::FourOfAKind}, LOW_HANDS("Pair")};
constexpr CCategory kTens[] = {
    HIGH_HANDS, {"4 of a Kind", S::FourOfAKind}, LOW_HANDS("Tens or Better")};
#define BONUS_FOURS                                                                         \
    {"4 Aces", S::FourOfAKind, kAces}, {"4 of a Kind (2,3,4)", S::FourOfAKind, kLowFour}, { \
        "4 of a Kind (5-K)", S::FourOfAKind, RanksFrom(5, 13)                               \
    }
constexpr CCategory kBonus[] = {HIGH_HANDS, BONUS_FOURS, LOW_HANDS("Pair")};
constexpr CCategory kTripleBonus[] = {HIGH_HANDS, BONUS_FOURS, LOW_HANDS("Kings or Better")};
constexpr CCategory kAcesAndFaces[] = {HIGH_HANDS,
                                       {"4 Aces", S::FourOfAKind, kAces},
                                       {"4 of a Kind (J-K)", S::FourOfAKind, kFaces},
                                       {"4 of a Kind (2-10)", S::FourOfAKind, RanksFrom(2, 10)},
                                       LOW_HANDS("Pair")};
constexpr CCategory kSuperDoubleBonus[] = {HIGH_HANDS,
                                           {"4 Aces", S::FourOfAKind, kAces},
                                           {"4 of a Kind (J-K)", S::FourOfAKind, kFaces},
                                           {"4 of a Kind (2,3,4)", S::FourOfAKind, kLowFour},
                                           {"4 of a Kind (5-10)", S::FourOfAKind, RanksFrom(5, 10)},
                                           LOW_HANDS("Pair")};
constexpr CCategory kDoubleDoubleBonus[] = {
    HIGH_HANDS,
    {"4 Aces w/ 2-4", S::FourOfAKind, kAces, kLowFour},
    {"4 2-4 w/ A-4", S::FourOfAKind, kLowFour, kLowFour | kAces},
    {"4 Aces", S::FourOfAKind, kAces},
    {"4 of a Kind (2,3,4)", S::FourOfAKind, kLowFour},
    {"4 of a Kind (5-K)", S::FourOfAKind, RanksFrom(5, 13)},
    LOW_HANDS("Pair")};
constexpr CCategory kDoubleJackpot[] = {HIGH_HANDS,
                                        {"4 Aces w/ J-K", S::FourOfAKind, kAces, kFaces},
                                        {"4 Aces", S::FourOfAKind, kAces},
                                        {"4 J-K w/ J-A", S::FourOfAKind, kFaces, kFaces | kAces},
                                        {"4 of a Kind (J-K)", S::FourOfAKind, kFaces},
                                        {"4 of a Kind (2-10)", S::FourOfAKind, RanksFrom(2, 10)},
                                        LOW_HANDS("Pair")};
constexpr CCategory kDeuces[] = {
    {"Royal Flush", S::NaturalRoyal},
    {"4 Wild", S::FourWild, ALL_RANKS, ALL_RANKS, "4 Deuces"},
    {"Royal Flush w/2's", S::WildRoyal},
    {"5 of a Kind", S::FiveOfAKind},
    {"Straight Flush", S::StraightFlush},
    {"4 of a Kind", S::FourOfAKind},
    {"Full House", S::FullHouse},
    {"Flush", S::Flush},
    {"Straight", S::Straight},
    {"3 of a Kind", S::ThreeOfAKind},
};
constexpr CCategory kJoker[] = {
    {"Royal Flush", S::NaturalRoyal},      {"5 of a Kind", S::FiveOfAKind},
    {"Royal Flush w/Joker", S::WildRoyal}, {"Straight Flush", S::StraightFlush},
    {"4 of a Kind", S::FourOfAKind},       LOW_HANDS("Kings or Better"),
};
#undef HIGH_HANDS
#undef LOW_HANDS
#undef BONUS_FOURS

constexpr CFamily kFamilies[] = {
    {"jacks", "Jacks or Better", 52, EWild::None, 11, kJacks},
    {"tens", "Tens or Better", 52, EWild::None, 10, kTens},
    {"bonus", "Bonus", 52, EWild::None, 11, kBonus},
    {"aces-and-faces", "Aces and Faces", 52, EWild::None, 11, kAcesAndFaces},
    {"super-double-bonus", "Super Double Bonus", 52, EWild::None, 11, kSuperDoubleBonus},
    {"double-double-bonus", "Double Double Bonus", 52, EWild::None, 11, kDoubleDoubleBonus},
    {"double-jackpot", "Double Jackpot", 52, EWild::None, 11, kDoubleJackpot},
    {"triple-bonus", "Triple Bonus", 52, EWild::None, 13, kTripleBonus},
    {"deuces", "Deuces Wild", 52, EWild::Deuces, 0, kDeuces, "Deuce"},
    {"joker", "Joker Poker", 53, EWild::Joker, 13, kJoker, "Joker"},
};

// What the categories need to know of five cards.
struct CFacts {
    int nCards = 0;  // that take part: natural and wild
    int nWild = 0;
    int arrCount[15] = {};  // natural cards by rank
    unsigned nHeld = 0;     // ranks of the natural cards
    bool bPaired = false;   // a natural rank held more than once
    bool bOneSuit = true;   // every natural card of one suit
};

CFacts ReadCards(const CFamily& family, const int* pCodes) {
    CFacts facts;
    int nSuit = -1;
    for (int i = 0; i < 5; ++i) {
        const int nCode = pCodes[i];
        if (family.IsWild(nCode)) {
            ++facts.nCards;
            ++facts.nWild;
            continue;
        }
        if (nCode < 0 || nCode >= JOKER_CODE) continue;
        const int nRank = CardCodeRank(nCode);
        ++facts.nCards;
        facts.bPaired = facts.bPaired || facts.arrCount[nRank] > 0;
        ++facts.arrCount[nRank];
        facts.nHeld |= 1u << nRank;
        if (nSuit >= 0 && nCode % 4 != nSuit) facts.bOneSuit = false;
        nSuit = nCode % 4;
    }
    return facts;
}

// Five cards of different natural ranks that, with the wild cards, fill five ranks in a row.
bool IsStraight(const CFacts& facts, const CRules& rules) {
    if (facts.nCards != 5 || facts.bPaired) return false;
    for (int nLow = 2; nLow <= 10; ++nLow)
        if ((facts.nHeld & ~RanksFrom(nLow, nLow + 4)) == 0) return true;
    return rules.bWheelStraight && (facts.nHeld & ~kWheelRanks) == 0;
}

bool IsFlush(const CFacts& facts) {
    return facts.nCards == 5 && facts.bOneSuit;
}

bool FitsFour(const CFacts& facts, const CCategory& category) {
    for (unsigned nRanks = category.nRanks; nRanks != 0; nRanks &= nRanks - 1) {
        const int nRank = std::countr_zero(nRanks);
        const int nOwn = facts.arrCount[nRank];
        if (nOwn + facts.nWild < 4) continue;
        const int nOthers = facts.nCards - nOwn - facts.nWild;
        // The fifth card: another natural card is the kicker; a wild card left over stands
        // for whatever kicker serves; a hand without one has no kicker.
        if (nOthers == 1) {
            int nKicker = 2;
            while (nKicker <= kAce && (facts.arrCount[nKicker] == 0 || nKicker == nRank)) ++nKicker;
            if ((category.nKickers >> nKicker & 1u) != 0) return true;
        } else if (facts.nCards == 5 || category.nKickers == ALL_RANKS) {
            return true;
        }
    }
    return false;
}

bool FitsTwoPair(const CFacts& facts) {
    // What pairing each rank still needs from the wild cards: the two least.
    int nLeast = 2, nNext = 2;
    for (int r = 2; r <= kAce; ++r) {
        const int nNeed = std::max(0, 2 - facts.arrCount[r]);
        if (nNeed < nLeast) {
            nNext = nLeast;
            nLeast = nNeed;
        } else if (nNeed < nNext) {
            nNext = nNeed;
        }
        // Four of a kind is two pairs of one rank.
        if (facts.arrCount[r] + facts.nWild >= 4) return true;
    }
    return nLeast + nNext <= facts.nWild;
}

bool AnyRankWith(const CFacts& facts, unsigned nRanks, int nCards) {
    if (facts.nWild >= nCards && nRanks != 0) return true;
    for (; nRanks != 0; nRanks &= nRanks - 1)
        if (facts.arrCount[std::countr_zero(nRanks)] + facts.nWild >= nCards) return true;
    return false;
}

bool Fits(const CFamily& family, const CRules& rules, const CFacts& facts,
          const CCategory& category) {
    switch (category.eShape) {
        case S::NaturalRoyal:
            return facts.nWild == 0 && IsFlush(facts) && facts.nHeld == kRoyalRanks;
        case S::WildRoyal:
            return facts.nWild > 0 && IsFlush(facts) && !facts.bPaired &&
                   (facts.nHeld & ~kRoyalRanks) == 0;
        case S::FiveOfAKind:
            return facts.nCards == 5 && AnyRankWith(facts, category.nRanks, 5);
        case S::FourWild:
            return facts.nWild == 4;
        case S::StraightFlush:
            return IsFlush(facts) && IsStraight(facts, rules);
        case S::FourOfAKind:
            return FitsFour(facts, category);
        case S::FullHouse: {
            if (facts.nCards != 5 || facts.nHeld == 0 || std::popcount(facts.nHeld) > 2)
                return false;
            for (int r = 2; r <= kAce; ++r)
                if (facts.arrCount[r] > 3) return false;
            return true;
        }
        case S::Flush:
            return IsFlush(facts);
        case S::Straight:
            return IsStraight(facts, rules);
        case S::ThreeOfAKind:
            return AnyRankWith(facts, category.nRanks, 3);
        case S::TwoPair:
            return FitsTwoPair(facts);
        case S::Pair:
            return family.nLowestPair >= 2 && AnyRankWith(facts, RanksFrom(family.nLowestPair), 2);
    }
    return false;
}

int Classify(const CFamily& family, const CRules& rules, const CFacts& facts) {
    for (int c = 0; c < family.CategoryCount(); ++c)
        if (Fits(family, rules, facts, family.categories[static_cast<std::size_t>(c)])) return c;
    return NO_CATEGORY;
}

// Every kind of five-card hand under both rules: where a hand makes a category and fits a lower
// one too.
std::vector<CCategoryReading> WorkOutReadings(const CFamily& family) {
    std::vector<CCategoryReading> vecReadings;
    for (const CRules& rules : {kAsBuiltRules, kCasinoRules})
        ForEachKindOfSet(family, 5, [&](const int* pCodes) {
            const CFacts facts = ReadCards(family, pCodes);
            const int nClass = Classify(family, rules, facts);
            if (nClass == NO_CATEGORY) return;
            for (int c = nClass + 1; c < family.CategoryCount(); ++c)
                if (Fits(family, rules, facts, family.categories[static_cast<std::size_t>(c)]))
                    vecReadings.push_back({nClass, c});
        });
    std::sort(vecReadings.begin(), vecReadings.end(), [](const auto& a, const auto& b) {
        return std::pair(a.nHigher, a.nLower) < std::pair(b.nHigher, b.nLower);
    });
    vecReadings.erase(std::unique(vecReadings.begin(), vecReadings.end()), vecReadings.end());
    return vecReadings;
}

}  // namespace

const char* CFamily::CategoryName(int nCategory) const {
    if (nCategory < 0 || nCategory >= CategoryCount()) return "";
    return categories[static_cast<std::size_t>(nCategory)].pszName;
}

const char* CFamily::CategoryWords(int nCategory) const {
    if (nCategory < 0 || nCategory >= CategoryCount()) return "";
    const CCategory& category = categories[static_cast<std::size_t>(nCategory)];
    return category.pszWords != nullptr ? category.pszWords : category.pszName;
}

bool CFamily::IsWild(int nCode) const {
    if (eWild == EWild::Joker) return nCode == JOKER_CODE;
    return eWild == EWild::Deuces && nCode >= 0 && nCode < JOKER_CODE && CardCodeRank(nCode) == 2;
}

int CFamily::WildCards() const {
    int nWild = 0;
    for (int nCode = 0; nCode < nCards; ++nCode) nWild += IsWild(nCode) ? 1 : 0;
    return nWild;
}

int CardCodeOf(const CCard* pCard) {
    if (pCard == nullptr) return NO_CARD_CODE;
    const int nSuit = pCard->GetSuit();
    if (nSuit == SUIT_JOKER) return JOKER_CODE;
    const int nRank = pCard->GetRank();
    const bool bSuit = nSuit == SUIT_CLUBS || nSuit == SUIT_DIAMONDS || nSuit == SUIT_HEARTS ||
                       nSuit == SUIT_SPADES;
    if (!bSuit || nRank < 2 || nRank > RANK_ACE) return NO_CARD_CODE;
    return CardCode(nSuit, nRank);
}

std::span<const CCategoryReading> CFamily::Readings() const {
    // By family, each worked out when first asked and kept for the run.
    static std::once_flag s_arrOnce[std::size(kFamilies)];
    static std::vector<CCategoryReading>* s_pReadings =
        new std::vector<CCategoryReading>[std::size(kFamilies)];
    for (std::size_t i = 0; i < std::size(kFamilies); ++i)
        if (&kFamilies[i] == this) {
            std::call_once(s_arrOnce[i], [i] { s_pReadings[i] = WorkOutReadings(kFamilies[i]); });
            return s_pReadings[i];
        }
    return {};
}

std::span<const CFamily> Families() {
    return kFamilies;
}

const CFamily* FindFamily(std::string_view strKey) {
    for (const CFamily& family : kFamilies)
        if (strKey == family.pszKey) return &family;
    return nullptr;
}

const CFamily& JacksFamily() {
    return kFamilies[0];
}

const CFamily& GetFamily(std::string_view strKey) {
    const CFamily* pFamily = FindFamily(strKey);
    return pFamily != nullptr ? *pFamily : JacksFamily();
}

int ClassifyHand(const CFamily& family, const CRules& rules, const int* pCodes) {
    return Classify(family, rules, ReadCards(family, pCodes));
}

// Every multiset of ranks the deck can deal (the joker's rank after the ace's), with its
// natural cards in as few suits as they can be, then, where they are different ranks, two of
// them apart.
void ForEachKindOfSet(const CFamily& family, int nCount,
                      const std::function<void(const int* pCodes)>& visit) {
    constexpr int kJokerRank = JOKER_CODE / 4;
    const int nTopRank = family.nCards > JOKER_CODE ? kJokerRank : kJokerRank - 1;
    int arrRanks[5] = {0, 0, 0, 0, 0};
    for (;;) {
        int arrSeen[kJokerRank + 1] = {};
        bool bDealable = true, bDistinct = true;
        int nNatural = 0, nTopNatural = -1;
        for (int i = 0; i < nCount; ++i) {
            const int nRank = arrRanks[i];
            bDealable = bDealable && ++arrSeen[nRank] <= (nRank == kJokerRank ? 1 : 4);
            if (family.IsWild(nRank * 4)) continue;
            bDistinct = bDistinct && arrSeen[nRank] == 1;
            ++nNatural;
            nTopNatural = nRank;
        }
        for (int nSpread = 0; bDealable && nSpread < (bDistinct && nNatural >= 2 ? 2 : 1);
             ++nSpread) {
            // A rank's cards take different suits; spread, the top natural rank starts one along.
            int arrCodes[5];
            int arrTaken[kJokerRank + 1] = {};
            for (int i = 0; i < nCount; ++i) {
                const int nRank = arrRanks[i];
                const int nShift = nSpread != 0 && nRank == nTopNatural ? 1 : 0;
                arrCodes[i] =
                    nRank == kJokerRank ? JOKER_CODE : nRank * 4 + (arrTaken[nRank]++ + nShift) % 4;
            }
            SortCodes(arrCodes, nCount);
            visit(arrCodes);
        }
        // The next multiset, ranks never falling.
        int i = nCount - 1;
        while (i >= 0 && arrRanks[i] == nTopRank) --i;
        if (i < 0) break;
        const int nNext = arrRanks[i] + 1;
        for (int j = i; j < nCount; ++j) arrRanks[j] = nNext;
    }
}
