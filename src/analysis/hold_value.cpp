#include "analysis/hold_value.h"

namespace {

int ReverseFiveBits(int nMask) {
    int nReversed = 0;
    for (int i = 0; i < 5; ++i)
        if (nMask & (1 << i)) nReversed |= 1 << (4 - i);
    return nReversed;
}

}  // namespace

bool IsBetterHold(const CHoldValue& a, const CHoldValue& b) {
    const std::int64_t nLeft = a.nPaySum * b.nDraws;
    const std::int64_t nRight = b.nPaySum * a.nDraws;
    if (nLeft != nRight) return nLeft > nRight;
    if (a.nHeld != b.nHeld) return a.nHeld > b.nHeld;
    return ReverseFiveBits(a.nHoldMask) > ReverseFiveBits(b.nHoldMask);
}
