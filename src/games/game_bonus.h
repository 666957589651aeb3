// Bonus (game code 3): Jacks or Better with four of a kind paid by its rank.
#pragma once

#include "games/game.h"

class CGameBonus : public CGame {
    DECLARE_DYNAMIC(CGameBonus)

public:
    // CreateGame gives the game's own table as built where none is asked for.
    CGameBonus(CHand* pHand, const CPayTable& table, int nBet = MIN_BET);

    int Evaluate(std::string& strName) const override;
};
