// Makes the variant of a game code over a hand.
#pragma once

#include <memory>

#include "games/game.h"

// Null for a code outside 1 to 4. Without a pay table, the variant's own as built; a table of
// another family than the variant's is a broken contract and scores nothing.
std::unique_ptr<CGame> CreateGame(int nGame, CHand* pHand, const CPayTable* pTable = nullptr,
                                  int nBet = MIN_BET);
