// Deals that differ only by a renaming of suits have the same best hold and the same expected
// pay, so the return of a variant needs one deal of each class, weighted by the class's size.
#pragma once

#include <array>
#include <span>
#include <vector>

#include "analysis/card_code.h"

struct CDealClass {
    std::array<int, 5> arrCodes;  // one deal of the class, card codes in ascending order
    int nDeals;                   // deals in the class, 1 to 24
};

// For the 52 cards: 134,459 classes whose sizes add up to 2,598,960, the number of deals. With
// the joker (53 cards) also the deals that hold it, four cards and the joker, whose classes are
// those of the four. Listed once per run (a few megabytes), on the first call, both decks in
// one list: the 52 cards' classes come first.
std::span<const CDealClass> DealClasses(int nCards = CARD_CODES);
