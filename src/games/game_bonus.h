// Bonus (game code 3): Jacks or Better with four of a kind paid by its rank.
#pragma once

#include "games/game.h"

class CGameBonus : public CGame {
    DECLARE_DYNAMIC(CGameBonus)

public:
    // Without a pay table, the game's own as built.
    explicit CGameBonus(CHand* pHand, const CPayTable* pTable = nullptr, int nBet = MIN_BET);

    int Evaluate(std::string& strName) const override;
};
