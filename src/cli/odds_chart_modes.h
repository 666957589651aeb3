// The commands of handfall-odds on a strategy chart: the chart of the pay table and bet, and its
// holds of deals read from standard input. Each works on the first request.
#pragma once

#include <vector>

#include "cli/odds_io.h"
#include "cli/odds_request.h"

// The chart's lines, read from the top, and its return against the best hold's.
int PrintStrategy(const COddsOptions& options, std::vector<CRequest>& vecRequests, COddsIo& io);
// For each deal of standard input, the chart's line and the cards it holds; a bad line is told
// on err and skipped, and the exit code is then that of bad input. Output is collected and
// written in blocks, and handed on whenever the input has nothing more ready: quick over a file,
// prompt at a terminal.
int ChartHolds(const COddsOptions& options, std::vector<CRequest>& vecRequests, COddsIo& io);
