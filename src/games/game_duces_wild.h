// Deuces Wild (game code 1): every 2 is wild; three of a kind is the lowest paying hand.
#pragma once

#include "games/game.h"

class CGameDucesWild : public CGame {
    DECLARE_DYNAMIC(CGameDucesWild)

public:
    // Without a pay table, the game's own as built.
    explicit CGameDucesWild(CHand* pHand, const CPayTable* pTable = nullptr, int nBet = MIN_BET);

    int Evaluate(std::string& strName) const override;
};
