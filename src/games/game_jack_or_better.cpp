#include "games/game_jack_or_better.h"

IMPLEMENT_DYNAMIC(CGameJackOrBetter, CGame)

CGameJackOrBetter::CGameJackOrBetter(CHand* pHand, const CPayTable& table, int nBet)
    : CGame(pHand, &table, nBet) {
    // Named, so the call is not dispatched: this class's rules are the ones to apply here.
    if (pHand != nullptr) m_nPayout = CGameJackOrBetter::Evaluate(m_strName);
}

int CGameJackOrBetter::Evaluate(std::string& strName) const {
    return ScoreByTable(strName);
}
