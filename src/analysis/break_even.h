// What a progressive jackpot must reach before a table pays back all that is bet.
#pragma once

#include "analysis/outcome_table.h"

// The family's natural royal flush, the category a progressive jackpot pays; -1 for none.
int NaturalRoyalCategory(const CFamily& family);

// The natural royal's pay per coin at the bet at which the table returns 100 %, the best holds
// chosen again at every pay tried (a big enough jackpot makes three to a royal worth more than
// a pair); 0 if the table returns 100 % with the royal paying nothing, -1 without a royal.
// The return rises with the royal's pay in straight pieces, each steeper than the last, so the
// tangent at any pay leads to the answer in a few steps.
double BreakEvenRoyalPay(const COutcomeTable& counts, const CPayTable& table, int nBet,
                         const CProgressFunction& progress = {});
