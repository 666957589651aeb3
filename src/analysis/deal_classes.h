// Deals that differ only by a renaming of suits have the same best hold and the same expected
// pay, so the return of a variant needs one deal of each class, weighted by the class's size.
#pragma once

#include <array>
#include <vector>

struct CDealClass {
    std::array<int, 5> arrCodes;  // one deal of the class, card codes in ascending order
    int nDeals;                   // deals in the class, 1 to 24
};

// 134,459 classes whose sizes add up to 2,598,960, the number of deals. Listed once per run
// (a few megabytes), on the first call.
const std::vector<CDealClass>& DealClasses();
