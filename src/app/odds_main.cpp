// handfall-odds: the exact expected pay of every hold of a deal, the outcomes of one hold, and
// the return of a pay table played with the best hold. No window: it links only the command
// layer and what lies below.
#include <unistd.h>

#include <iostream>

#include "cli/odds_commands.h"

int main(int argc, char** argv) {
    COddsIo io{std::cout, std::cerr, isatty(STDERR_FILENO) == 1};
    return RunOdds(std::vector<std::string>(argv + 1, argv + argc), io);
}
