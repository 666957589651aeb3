// How the strategy tables score a finished hand.
#pragma once

#include <functional>

class CHand;

// Coins paid per coin bet for a hand of five different cards, in any order. It must pay the
// same when the suits are renamed, as every poker pay table does: the tables score one hand
// of each class of hands equal up to suits. They call it from several threads at once, each
// thread with a hand of its own, so it must keep no state between calls.
using CPayFunction = std::function<int(CHand* pHand)>;

// Pays what the table pays: a game object of the variant is built over the hand, as the table
// settles a draw, and its multiplier read. A code outside 1 to 4 pays nothing.
CPayFunction GamePayFunction(int nGame);
