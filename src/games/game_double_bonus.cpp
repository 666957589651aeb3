#include "games/game_double_bonus.h"

#include <iterator>

IMPLEMENT_DYNAMIC(CGameDoubleBonus, CGame)

namespace {

// Pay-table order; the last line is the losing hand, which the pay table does not list.
constexpr CPayLine kLines[] = {
    {"Royal Flush", 250},      {"Straight Flush", 50}, {"4 Aces", 160}, {"4 of a Kind (2,3,4)", 80},
    {"4 of a Kind (5-K)", 50}, {"Full House", 10},     {"Flush", 7},    {"Straight", 5},
    {"3 of a Kind", 3},        {"2 Pair", 1},          {"Pair", 1},     {"", 0},
};
static_assert(std::size(kLines) == 12);

}  // namespace

CGameDoubleBonus::CGameDoubleBonus(CHand* pHand) : CGame(pHand) {
    // Named, so the call is not dispatched: this class's rules are the ones to apply here.
    if (pHand != nullptr) m_nPayout = CGameDoubleBonus::Evaluate(m_strName);
}

int CGameDoubleBonus::Evaluate(std::string& strName) const {
    return ScoreNatural(kLines, strName);
}

const std::vector<CPayLine>& CGameDoubleBonus::GetPayTable() {
    static const std::vector<CPayLine> table(std::begin(kLines), std::end(kLines) - 1);
    return table;
}
