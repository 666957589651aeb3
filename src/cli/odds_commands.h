// handfall-odds' commands: the 32 holds of a deal ranked, one hold's outcomes, the return of a
// pay table, the list of pay tables, a strategy chart and its holds of deals read from input.
// One function each, found in a table; main() is one call.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

struct COddsIo {
    std::istream& in;  // the deals of --chart-holds
    std::ostream& out;
    std::ostream& err;
    bool bProgress = false;  // tell progress on err (only where it is a terminal)
};

// Runs the command line (the arguments after the program's name); the exit code: 0, or 2 for
// bad input after a message on err.
int RunOdds(const std::vector<std::string>& vecArgs, COddsIo& io);
