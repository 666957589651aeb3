// The streams a command of handfall-odds reads and writes.
#pragma once

#include <istream>
#include <ostream>

struct COddsIo {
    std::istream& in;  // the deals of --chart-holds
    std::ostream& out;
    std::ostream& err;
    bool bProgress = false;  // tell progress on err (only where it is a terminal)
};
