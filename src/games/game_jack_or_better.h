// Jacks or Better (game code 2): no wild cards, a pair pays from jacks up.
#pragma once

#include "games/game.h"

class CGameJackOrBetter : public CGame {
    DECLARE_DYNAMIC(CGameJackOrBetter)

public:
    // Without a pay table, the game's own as built.
    explicit CGameJackOrBetter(CHand* pHand, const CPayTable* pTable = nullptr, int nBet = MIN_BET);

    int Evaluate(std::string& strName) const override;
};
