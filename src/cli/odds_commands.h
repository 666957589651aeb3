// handfall-odds' commands: the 32 holds of a deal ranked, one hold's outcomes, the return of a
// pay table, the list of pay tables, a strategy chart and its holds of deals read from input.
// One function each, found in one table of their names, options and usage lines, which --help
// is made from; main() is one call.
#pragma once

#include <string>
#include <vector>

#include "cli/odds_io.h"

// Runs the command line (the arguments after the program's name); the exit code: 0, or 2 for
// bad input after a message on err.
int RunOdds(const std::vector<std::string>& vecArgs, COddsIo& io);
