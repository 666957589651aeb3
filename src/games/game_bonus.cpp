#include "games/game_bonus.h"

#include <iterator>

IMPLEMENT_DYNAMIC(CGameBonus, CGame)

namespace {

// Pay-table order; the last line is the losing hand, which the pay table does not list.
constexpr CPayLine kLines[] = {
    {"Royal Flush", 250},      {"Straight Flush", 50}, {"4 Aces", 80}, {"4 of a Kind (2,3,4)", 40},
    {"4 of a Kind (5-K)", 25}, {"Full House", 8},      {"Flush", 5},   {"Straight", 4},
    {"3 of a Kind", 3},        {"2 Pair", 2},          {"Pair", 1},    {"", 0},
};
static_assert(std::size(kLines) == 12);

}  // namespace

CGameBonus::CGameBonus(CHand* pHand) : CGame(pHand) {
    // Named, so the call is not dispatched: this class's rules are the ones to apply here.
    if (pHand != nullptr) m_nPayout = CGameBonus::Evaluate(m_strName);
}

int CGameBonus::Evaluate(std::string& strName) const {
    return ScoreNatural(kLines, strName);
}

const std::vector<CPayLine>& CGameBonus::GetPayTable() {
    static const std::vector<CPayLine> table(std::begin(kLines), std::end(kLines) - 1);
    return table;
}
