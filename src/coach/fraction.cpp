#include "coach/fraction.h"

#include <numeric>

#include "platform/afx.h"

CFraction::CFraction(std::int64_t nNumerator, std::int64_t nDenominator) {
    ASSERT(nDenominator != 0);
    if (nDenominator == 0) return;
    if (nDenominator < 0) {
        nNumerator = -nNumerator;
        nDenominator = -nDenominator;
    }
    const std::int64_t nDivisor = std::gcd(nNumerator, nDenominator);
    m_nNumerator = nNumerator / nDivisor;
    m_nDenominator = nDenominator / nDivisor;
}

std::string CFraction::Text() const {
    if (m_nDenominator == 1) return std::to_string(m_nNumerator);
    return std::to_string(m_nNumerator) + "/" + std::to_string(m_nDenominator);
}
