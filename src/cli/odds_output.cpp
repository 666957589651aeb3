#include "cli/odds_output.h"

#include "analysis/card_code.h"

int BadInput(COddsIo& io, const std::string& strMessage) {
    io.err << "handfall-odds: " << strMessage << "\nTry 'handfall-odds --help'.\n";
    return kExitBadInput;
}

std::string CoinsText(int nBet) {
    return std::to_string(nBet) + (nBet == 1 ? " coin" : " coins");
}

std::string GroupedNumber(long long n) {
    const std::string strDigits = std::to_string(n < 0 ? -n : n);
    std::string strText = n < 0 ? "-" : "";
    for (std::size_t i = 0; i < strDigits.size(); ++i) {
        if (i > 0 && (strDigits.size() - i) % 3 == 0) strText += ',';
        strText += strDigits[i];
    }
    return strText;
}

std::string DealText(const std::array<int, 5>& arrCodes, int nMask) {
    std::string strText;
    for (int i = 0; i < 5; ++i) {
        if (!((nMask >> i) & 1)) continue;
        if (!strText.empty()) strText += ' ';
        strText += CardCodeText(arrCodes[static_cast<size_t>(i)]);
    }
    return strText;
}

CProgressFunction CProgressLine::Stage(const char* pszStage) {
    if (!m_io.bProgress) return {};
    return [this, pszStage](double dDone) {
        const int nPercent = static_cast<int>(dDone * 100.0);
        if (nPercent == m_nLastPercent && pszStage == m_pszLastStage) return;
        m_nLastPercent = nPercent;
        m_pszLastStage = pszStage;
        Print(m_io.err, "\r%s: %s %3d%%   ", m_strTitle.c_str(), pszStage, nPercent);
        m_io.err.flush();
    };
}

void CProgressLine::Done() {
    if (m_io.bProgress) Print(m_io.err, "\r%s: done%30s\n", m_strTitle.c_str(), "");
}
