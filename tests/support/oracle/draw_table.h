// What every five-card hand pays, and for every set of up to four cards the pays of all hands
// that hold it added up: enough to count any hold's draws with a few look-ups per deal.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "analysis/card_code.h"
#include "analysis/parallel_for.h"
#include "support/oracle/pay_function.h"

// What payFunction gives each of the 2,598,960 five-card hands, by slot, on every core.
std::vector<std::int32_t> ScoreEveryHand(const CPayFunction& payFunction,
                                         const CProgressFunction& progress = {});

class CDrawTable {
public:
    // Scores the 2,598,960 hands with payFunction (see ScoreEveryHand). A pay beyond
    // MAX_PAY_PER_COIN is a broken contract; the pay is cut to the limit.
    explicit CDrawTable(const CPayFunction& payFunction, const CProgressFunction& progress = {});
    CDrawTable(const CDrawTable&) = delete;
    CDrawTable& operator=(const CDrawTable&) = delete;

    // The pay of the hand of five codes in ascending order.
    int GetPay(const int* pSortedCodes) const { return m_vecPay[ColexIndex(pSortedCodes, 5)]; }
    // The pays of every five-card hand that holds all nCount (0 to 5) codes, given in ascending
    // order, added up.
    std::int64_t GetSum(const int* pSortedCodes, int nCount) const;

private:
    void BuildSums(int nCount);

    std::vector<std::int32_t> m_vecPay;                  // by slot of the five-card hand
    std::array<std::vector<std::int64_t>, 5> m_vecSums;  // [k]: by slot of the k-card set
};
