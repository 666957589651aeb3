// An exact fraction of whole numbers, kept in lowest terms with a positive denominator, for the
// coach's figures: expected pays are ratios of draw counts, and the player may see them exactly.
#pragma once

#include <cstdint>
#include <string>

class CFraction {
public:
    CFraction() = default;
    // A zero denominator is a broken contract: the fraction is 0.
    CFraction(std::int64_t nNumerator, std::int64_t nDenominator);

    std::int64_t GetNumerator() const { return m_nNumerator; }
    std::int64_t GetDenominator() const { return m_nDenominator; }
    double Value() const {
        return static_cast<double>(m_nNumerator) / static_cast<double>(m_nDenominator);
    }
    // "3/4", or "3" for a whole number.
    std::string Text() const;

    bool operator==(const CFraction&) const = default;

private:
    std::int64_t m_nNumerator = 0;
    std::int64_t m_nDenominator = 1;
};
