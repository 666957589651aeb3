// The commands of handfall-odds on one deal: the 32 holds ranked, and one hold's outcomes. Each
// reads the five cards (and the hold) and works on the first request.
#pragma once

#include <vector>

#include "cli/odds_io.h"
#include "cli/odds_request.h"

// The 32 holds of the deal, best first, with their exact expected pay per coin.
int RankDeal(const COddsOptions& options, std::vector<CRequest>& vecRequests, COddsIo& io);
// The hold of --hold: each category it can make, its draws and probability, the expected pay
// and its deviation; with --hands, over that many hands too.
int HoldOutcomes(const COddsOptions& options, std::vector<CRequest>& vecRequests, COddsIo& io);
