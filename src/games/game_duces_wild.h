// Deuces Wild (game code 1): every 2 is wild; three of a kind is the lowest paying hand.
#pragma once

#include <vector>

#include "games/game.h"

class CGameDucesWild : public CGame {
    DECLARE_DYNAMIC(CGameDucesWild)

public:
    explicit CGameDucesWild(CHand* pHand);

    int Evaluate(std::string& strName) const override;

    // The paying categories, in pay-table order.
    static const std::vector<CPayLine>& GetPayTable();
};
