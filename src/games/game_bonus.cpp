#include "games/game_bonus.h"

IMPLEMENT_DYNAMIC(CGameBonus, CGame)

CGameBonus::CGameBonus(CHand* pHand, const CPayTable& table, int nBet)
    : CGame(pHand, &table, nBet) {
    // Named, so the call is not dispatched: this class's rules are the ones to apply here.
    if (pHand != nullptr) m_nPayout = CGameBonus::Evaluate(m_strName);
}

int CGameBonus::Evaluate(std::string& strName) const {
    return ScoreByTable(strName);
}
