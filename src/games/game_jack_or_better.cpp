#include "games/game_jack_or_better.h"

#include <iterator>

IMPLEMENT_DYNAMIC(CGameJackOrBetter, CGame)

namespace {

// Pay-table order; the last line is the losing hand, which the pay table does not list.
constexpr CPayLine kLines[] = {
    {"Royal Flush", 250}, {"Straight Flush", 50},
    {"4 of a Kind", 25},  {"Full House", 9},
    {"Flush", 6},         {"Straight", 4},
    {"3 of a Kind", 3},   {"2 Pair", 2},
    {"Pair", 1},          {"", 0},
};
static_assert(std::size(kLines) == 10);

}  // namespace

CGameJackOrBetter::CGameJackOrBetter(CHand* pHand) : CGame(pHand) {
    // Named, so the call is not dispatched: this class's rules are the ones to apply here.
    if (pHand != nullptr) m_nPayout = CGameJackOrBetter::Evaluate(m_strName);
}

int CGameJackOrBetter::Evaluate(std::string& strName) const {
    return ScoreNatural(kLines, strName);
}

const std::vector<CPayLine>& CGameJackOrBetter::GetPayTable() {
    static const std::vector<CPayLine> table(std::begin(kLines), std::end(kLines) - 1);
    return table;
}
