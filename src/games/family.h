// The families of games, as data: each is a deck, its wild cards, the lowest pair that pays
// and its categories in pay-table order, each a shape with the ranks it covers and the ranks
// its kicker may have. One classifier reads any family; which category a hand makes never
// depends on what the categories pay. A new family is one entry in family.cpp.
#pragma once

#include <functional>
#include <span>
#include <string_view>

// The rules a family is played by beside its categories.
struct CRules {
    bool bWheelStraight = false;  // A-2-3-4-5 is a straight (suited, a straight flush)
    friend bool operator==(const CRules&, const CRules&) = default;
};
constexpr CRules kAsBuiltRules{false};
constexpr CRules kCasinoRules{true};

// The most categories a family has (Double Double Bonus, Double Jackpot).
constexpr int MAX_CATEGORIES = 13;
// What ClassifyHand gives a hand that makes no category.
constexpr int NO_CATEGORY = -1;

// Card codes, as the rules and the engine read cards: (rank - 2) * 4 + suit index (0 clubs,
// 1 diamonds, 2 hearts, 3 spades), and the joker after the 52.
constexpr int JOKER_CODE = 52;
constexpr int CardCode(int nSuit, int nRank) {
    return (nRank - 2) * 4 + (nSuit / 100 - 1);
}
constexpr int CardCodeRank(int nCode) {
    return nCode / 4 + 2;
}
constexpr int CardCodeSuit(int nCode) {
    return (nCode % 4 + 1) * 100;
}
constexpr int NO_CARD_CODE = -1;

// Puts up to five codes in ascending order (std::sort's bounds on so short a run upset the
// compiler's array checks).
inline void SortCodes(int* pCodes, int nCount) {
    for (int i = 1; i < nCount; ++i)
        for (int j = i; j > 0 && pCodes[j - 1] > pCodes[j]; --j) {
            const int nCode = pCodes[j];
            pCodes[j] = pCodes[j - 1];
            pCodes[j - 1] = nCode;
        }
}

class CCard;
// The code of a table's card; NO_CARD_CODE for a null card or the card back.
int CardCodeOf(const CCard* pCard);

enum class EWild { None, Deuces, Joker };

enum class EShape {
    NaturalRoyal,  // a royal flush without wild cards
    WildRoyal,     // a royal flush with one or more
    FiveOfAKind,
    FourWild,  // the four deuces
    StraightFlush,
    FourOfAKind,
    FullHouse,
    Flush,
    Straight,
    ThreeOfAKind,
    TwoPair,
    Pair,  // of the family's lowest paying pair or higher
};

// Ranks as a mask, bit r for rank r (2 to 14, the ace 14).
constexpr unsigned RanksFrom(int nLow, int nHigh = 14) {
    unsigned nMask = 0;
    for (int r = nLow; r <= nHigh; ++r) nMask |= 1u << r;
    return nMask;
}
constexpr unsigned ALL_RANKS = RanksFrom(2);

struct CCategory {
    const char* pszName;  // as the table writes it: the label and the results list's line
    EShape eShape;
    unsigned nRanks = ALL_RANKS;    // of the kind (five, four or three of a kind)
    unsigned nKickers = ALL_RANKS;  // the fifth card's, beside four of a kind
    // The coach's words where the label is play's shorthand ("4 Wild" is "4 Deuces").
    const char* pszWords = nullptr;
};

// What one hand of a family can also be read as, the higher-ranked category first: a pay table
// that paid the lower more would pay a hand less than one of its readings.
struct CCategoryReading {
    int nHigher;
    int nLower;
    friend bool operator==(const CCategoryReading&, const CCategoryReading&) = default;
};

struct CFamily {
    const char* pszKey;   // as handfall-odds and the settings take it: "jacks"
    const char* pszName;  // as players say it: "Jacks or Better"
    int nCards;           // in the deck: 52, or 53 with the joker
    EWild eWild;
    int nLowestPair;  // the lowest rank whose pair pays; 0 where no pair pays
    std::span<const CCategory> categories;
    const char* pszWild = nullptr;  // one wild card as players say it: "Deuce", "Joker"

    int CategoryCount() const { return static_cast<int>(categories.size()); }
    const char* CategoryName(int nCategory) const;
    const char* CategoryWords(int nCategory) const;
    // Whether the card is wild in this family.
    bool IsWild(int nCode) const;
    // How many cards of the deck are wild: 4 deuces, 1 joker or none.
    int WildCards() const;
    // The lowest rank a natural card may have: 3 where the deuces are wild.
    int LowestNaturalRank() const { return eWild == EWild::Deuces ? 3 : 2; }
    // Worked out from the categories once, on the first call.
    std::span<const CCategoryReading> Readings() const;
};

// Every family, in the order Pay Tables and handfall-odds list them.
std::span<const CFamily> Families();
// Null for a key no family has.
const CFamily* FindFamily(std::string_view strKey);
// The family the table's games are built on by default.
const CFamily& JacksFamily();
// The family of a key the program itself names; Jacks or Better for any other.
const CFamily& GetFamily(std::string_view strKey);

// The category of five card codes (0 to 52) in the family; a code outside those, or the joker
// in a family without it, takes part in no category. NO_CATEGORY for a losing hand.
int ClassifyHand(const CFamily& family, const CRules& rules, const int* pCodes);

// Calls visit(codes) once for each kind of set of nCount cards (0 to 5) the family's deck holds,
// with one set of that kind, codes ascending. A kind is the set's ranks (a wild card a rank of
// its own) and whether its natural cards share a suit: all the classifier reads of five cards.
void ForEachKindOfSet(const CFamily& family, int nCount,
                      const std::function<void(const int* pCodes)>& visit);
