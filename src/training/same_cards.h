// The same cards: a drawn deal replayed with another hold. Every hand keeps the held cards and
// takes, at each replaced position i, card i of its own pile, exactly as the table draws; so
// the best hold is played on the very cards the player's hold drew.
#pragma once

#include <cstdint>

struct CCoachDeal;

struct CSameCards {
    std::int64_t nHeldWon = 0;  // coins the hold played won, all hands together
    std::int64_t nBestWon = 0;  // coins the best hold would have won on the same cards
};

// Coins the hold nHoldMask wins on the deal's recorded piles, at its bet and pay table.
std::int64_t ReplayHold(const CCoachDeal& deal, int nHoldMask);
// Both, for a drawn and valued deal with its piles; zero otherwise.
CSameCards ReplaySameCards(const CCoachDeal& deal);
