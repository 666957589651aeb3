#include "games/game_double_bonus.h"

IMPLEMENT_DYNAMIC(CGameDoubleBonus, CGame)

CGameDoubleBonus::CGameDoubleBonus(CHand* pHand, const CPayTable& table, int nBet)
    : CGame(pHand, &table, nBet) {
    // Named, so the call is not dispatched: this class's rules are the ones to apply here.
    if (pHand != nullptr) m_nPayout = CGameDoubleBonus::Evaluate(m_strName);
}

int CGameDoubleBonus::Evaluate(std::string& strName) const {
    return ScoreByTable(strName);
}
