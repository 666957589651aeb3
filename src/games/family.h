// The families of games: each fixes its categories, in pay-table order, and how five cards are
// read as one of them. Which category a hand makes never depends on what the categories pay.
#pragma once

#include <span>
#include <string_view>

enum class EFamily { JacksOrBetter, Bonus, DeucesWild };

// The rules a family is played by beside its categories.
struct CRules {
    bool bWheelStraight = false;  // A-2-3-4-5 is a straight (suited, a straight flush)
    friend bool operator==(const CRules&, const CRules&) = default;
};
constexpr CRules kAsBuiltRules{false};
constexpr CRules kCasinoRules{true};

// The most categories a family has (Bonus).
constexpr int MAX_CATEGORIES = 11;
// What ClassifyHand gives a hand that makes no category.
constexpr int NO_CATEGORY = -1;

// The family's categories in pay-table order, as the table writes them.
std::span<const char* const> FamilyCategories(EFamily eFamily);
// The same categories as the coach words them, the labels but where a label is play's shorthand.
std::span<const char* const> FamilyCategoryWords(EFamily eFamily);
int CategoryCount(EFamily eFamily);
// The family's name as players say it, and as handfall-odds and the settings take it.
const char* FamilyName(EFamily eFamily);
const char* FamilyKey(EFamily eFamily);
// Null for a key no family has.
const EFamily* FindFamily(std::string_view strKey);

// The category of five cards, each a rank (2 to 14) and a suit index (1 to 4); a card whose
// rank or suit is outside those takes part in no category. NO_CATEGORY for a losing hand.
int ClassifyHand(EFamily eFamily, const CRules& rules, const int* pRanks, const int* pSuits);

// Pairs of categories one hand can be read as, the higher-ranked first: a pay table that pays
// the second more than the first would pay a hand less than one of its readings.
struct CCategoryReading {
    int nHigher;
    int nLower;
};
std::span<const CCategoryReading> FamilyReadings(EFamily eFamily);
