// Jacks or Better (game code 2): no wild cards, a pair pays from jacks up.
#pragma once

#include "games/game.h"

class CGameJackOrBetter : public CGame {
    DECLARE_DYNAMIC(CGameJackOrBetter)

public:
    // CreateGame gives the game's own table as built where none is asked for.
    CGameJackOrBetter(CHand* pHand, const CPayTable& table, int nBet = MIN_BET);

    int Evaluate(std::string& strName) const override;
};
