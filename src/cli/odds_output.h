// What every command of handfall-odds writes with: printf-style output, the message for bad
// input, and the progress line on standard error.
#pragma once

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

#include "cli/odds_io.h"
#include "work/parallel_for.h"

constexpr int kExitBadInput = 2;

// A command's output goes through printf-style formatting; this is the one place it is written.
template <typename... Args>
void Print(std::ostream& out, const char* pszFormat, Args... args) {
    const int nSize = std::snprintf(nullptr, 0, pszFormat, args...);
    std::string strText(static_cast<std::size_t>(std::max(nSize, 0)) + 1, '\0');
    std::snprintf(strText.data(), strText.size(), pszFormat, args...);
    strText.resize(static_cast<std::size_t>(std::max(nSize, 0)));
    out << strText;
}

// The message on err and the line pointing to --help; the exit code for bad input.
int BadInput(COddsIo& io, const std::string& strMessage);

// "1 coin", "5 coins".
std::string CoinsText(int nBet);

// "8,670", "-1,250".
std::string GroupedNumber(long long n);

// The cards of a deal at the positions of nMask, "Jh Qh Kh".
std::string DealText(const std::array<int, 5>& arrCodes, int nMask = 31);

// Rewrites one line of standard error in place while the tables are built.
class CProgressLine {
public:
    CProgressLine(COddsIo& io, std::string strTitle) : m_io(io), m_strTitle(std::move(strTitle)) {}
    CProgressFunction Stage(const char* pszStage);
    void Done();

private:
    COddsIo& m_io;
    std::string m_strTitle;
    int m_nLastPercent = -1;
    const char* m_pszLastStage = nullptr;
};
