#include "games/game_double_bonus.h"

#include <iterator>

#include "model/card.h"

IMPLEMENT_DYNAMIC(CGameDoubleBonus, CGame)

namespace {

enum ELine {
    ROYAL_FLUSH,
    STRAIGHT_FLUSH,
    FOUR_ACES,
    FOUR_LOW,
    FOUR_MIDDLE,
    FULL_HOUSE,
    FLUSH,
    STRAIGHT,
    THREE,
    TWO_PAIR,
    PAIR,
    NOTHING
};

// Pay-table order; the last line is the losing hand, which the pay table does not list.
constexpr CPayLine kLines[] = {
    {"Royal Flush", 250},      {"Straight Flush", 50}, {"4 Aces", 160}, {"4 of a Kind (2,3,4)", 80},
    {"4 of a Kind (5-K)", 50}, {"Full House", 10},     {"Flush", 7},    {"Straight", 5},
    {"3 of a Kind", 3},        {"2 Pair", 1},          {"Pair", 1},     {"", 0},
};
static_assert(std::size(kLines) == NOTHING + 1);

}  // namespace

CGameDoubleBonus::CGameDoubleBonus(CHand* pHand) : CGame(pHand) {
    // Named, so the call is not dispatched: this class's rules are the ones to apply here.
    if (pHand != nullptr) m_nPayout = CGameDoubleBonus::Evaluate(m_strName);
}

int CGameDoubleBonus::Evaluate(std::string& strName) const {
    const CNatural natural = ClassifyNatural();
    ELine eLine = NOTHING;
    switch (natural.eCategory) {
        case ENatural::RoyalFlush:
            eLine = ROYAL_FLUSH;
            break;
        case ENatural::StraightFlush:
            eLine = STRAIGHT_FLUSH;
            break;
        case ENatural::FourOfAKind:
            eLine = natural.nQuadRank == RANK_ACE ? FOUR_ACES
                    : natural.nQuadRank <= 4      ? FOUR_LOW
                                                  : FOUR_MIDDLE;
            break;
        case ENatural::FullHouse:
            eLine = FULL_HOUSE;
            break;
        case ENatural::Flush:
            eLine = FLUSH;
            break;
        case ENatural::Straight:
            eLine = STRAIGHT;
            break;
        case ENatural::ThreeOfAKind:
            eLine = THREE;
            break;
        case ENatural::TwoPair:
            eLine = TWO_PAIR;
            break;
        case ENatural::Pair:
            eLine = PAIR;
            break;
        case ENatural::Nothing:
            break;
    }
    strName = kLines[eLine].pszName;
    return kLines[eLine].nMultiplier;
}

const std::vector<CPayLine>& CGameDoubleBonus::GetPayTable() {
    static const std::vector<CPayLine> table(std::begin(kLines), std::end(kLines) - 1);
    return table;
}
