// Makes the variant of a game code over a hand, and tells each variant's pay table.
#pragma once

#include <memory>
#include <span>

#include "games/game.h"

// Null for a code outside 1 to 4.
std::unique_ptr<CGame> CreateGame(int nGame, CHand* pHand);

// The variant's paying categories in the order its pay table lists them (the order hands rank
// in, which is highest multiplier first except that Bonus and Double Bonus list the straight
// flush above their better-paid four-of-a-kind lines); empty for a code outside 1 to 4.
std::span<const CPayLine> GetPayTable(int nGame);
