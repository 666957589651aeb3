// handfall-odds --session: what a session can do to a bankroll under best play.
#pragma once

#include <vector>

#include "cli/odds_io.h"
#include "cli/odds_request.h"

// Percentiles of the session's result, the chances to end ahead and to lose the bankroll
// before the end, each with its standard error.
int Sessions(const COddsOptions& options, std::vector<CRequest>& vecRequests, COddsIo& io);
