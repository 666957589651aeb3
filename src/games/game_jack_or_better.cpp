#include "games/game_jack_or_better.h"

#include "games/game_variants.h"

IMPLEMENT_DYNAMIC(CGameJackOrBetter, CGame)

CGameJackOrBetter::CGameJackOrBetter(CHand* pHand, const CPayTable* pTable, int nBet)
    : CGame(pHand, pTable != nullptr ? pTable : &AsBuiltPayTable(GAME_JACKS_OR_BETTER), nBet) {
    // Named, so the call is not dispatched: this class's rules are the ones to apply here.
    if (pHand != nullptr) m_nPayout = CGameJackOrBetter::Evaluate(m_strName);
}

int CGameJackOrBetter::Evaluate(std::string& strName) const {
    return ScoreByTable(strName);
}
