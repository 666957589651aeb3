// Deuces Wild (game code 1): every 2 is wild; three of a kind is the lowest paying hand.
#pragma once

#include "games/game.h"

class CGameDucesWild : public CGame {
    DECLARE_DYNAMIC(CGameDucesWild)

public:
    // CreateGame gives the game's own table as built where none is asked for.
    CGameDucesWild(CHand* pHand, const CPayTable& table, int nBet = MIN_BET);

    int Evaluate(std::string& strName) const override;
};
