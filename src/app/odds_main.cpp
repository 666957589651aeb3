// handfall-odds: the exact expected pay of every hold of a deal, the outcomes of one hold, the
// return of a pay table played with the best hold, and strategy charts. No window: it links only
// the command layer and what lies below.
#include <unistd.h>

#include <iostream>

#include "cli/odds_commands.h"

int main(int argc, char** argv) {
    // --chart-holds reads millions of lines: C++ streams alone, unsynchronised, are quick.
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    COddsIo io{std::cin, std::cout, std::cerr, isatty(STDERR_FILENO) == 1};
    return RunOdds(std::vector<std::string>(argv + 1, argv + argc), io);
}
