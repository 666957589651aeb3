#include "games/game_jack_or_better.h"

#include <iterator>

IMPLEMENT_DYNAMIC(CGameJackOrBetter, CGame)

namespace {

enum ELine {
    ROYAL_FLUSH,
    STRAIGHT_FLUSH,
    FOUR,
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
    {"Royal Flush", 250}, {"Straight Flush", 50},
    {"4 of a Kind", 25},  {"Full House", 9},
    {"Flush", 6},         {"Straight", 4},
    {"3 of a Kind", 3},   {"2 Pair", 2},
    {"Pair", 1},          {"", 0},
};
static_assert(std::size(kLines) == NOTHING + 1);

}  // namespace

CGameJackOrBetter::CGameJackOrBetter(CHand* pHand) : CGame(pHand) {
    // Named, so the call is not dispatched: this class's rules are the ones to apply here.
    if (pHand != nullptr) m_nPayout = CGameJackOrBetter::Evaluate(m_strName);
}

int CGameJackOrBetter::Evaluate(std::string& strName) const {
    ELine eLine = NOTHING;
    switch (ClassifyNatural().eCategory) {
        case ENatural::RoyalFlush:
            eLine = ROYAL_FLUSH;
            break;
        case ENatural::StraightFlush:
            eLine = STRAIGHT_FLUSH;
            break;
        case ENatural::FourOfAKind:
            eLine = FOUR;
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

const std::vector<CPayLine>& CGameJackOrBetter::GetPayTable() {
    static const std::vector<CPayLine> table(std::begin(kLines), std::end(kLines) - 1);
    return table;
}
