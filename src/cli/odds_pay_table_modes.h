// The commands of handfall-odds on whole pay tables: the exact return of each game asked for,
// the tables a game can play, and the library of casino tables.
#pragma once

#include <vector>

#include "cli/odds_io.h"
#include "cli/odds_request.h"

// The return with the best hold on every deal, of each request, and its variance; with --hands,
// the covariance of hands of one deal and the round's standard deviation.
int Returns(const COddsOptions& options, std::vector<CRequest>& vecRequests, COddsIo& io);
// The natural royal's pay at which each request's table returns 100 %.
int BreakEvens(const COddsOptions& options, std::vector<CRequest>& vecRequests, COddsIo& io);
// Every table a game can play (every variant without --game), as built first, with the exact
// return at 1 and at 5 coins.
int ListPayTables(const COddsOptions& options, std::vector<CRequest>& vecRequests, COddsIo& io);
// The library, every family's tables, with the --game and --pays that play each and its exact
// return at 5 coins.
int ListLibrary(const COddsOptions& options, std::vector<CRequest>& vecRequests, COddsIo& io);
