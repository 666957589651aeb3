#include "games/game_duces_wild.h"

IMPLEMENT_DYNAMIC(CGameDucesWild, CGame)

CGameDucesWild::CGameDucesWild(CHand* pHand, const CPayTable& table, int nBet)
    : CGame(pHand, &table, nBet) {
    // Named, so the call is not dispatched: this class's rules are the ones to apply here.
    if (pHand != nullptr) m_nPayout = CGameDucesWild::Evaluate(m_strName);
}

int CGameDucesWild::Evaluate(std::string& strName) const {
    return ScoreByTable(strName);
}
