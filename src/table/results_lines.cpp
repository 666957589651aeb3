#include "table/results_lines.h"

#include <cstdio>

#include "games/family.h"

namespace {

std::string FormatLine(const char* pszFormat, const std::string& strName, int nCount,
                       int nMultiplier, int nBet, int nSum) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, pszFormat, strName.c_str(), nCount, nMultiplier, nBet,
                  nSum);
    return buffer;
}

}  // namespace

std::vector<CResultsLine> ResultsLines(const CFamily& family,
                                       const std::map<std::string, int>& mapCounts,
                                       const std::map<std::string, int>& mapWinnings, int nBet,
                                       int nTotal) {
    std::vector<CResultsLine> vecLines;
    // The lines follow the pay table's order, so they read like it.
    auto addLine = [&](const std::string& strName, int nCount) {
        const auto it = mapWinnings.find(strName);
        const int nSum = it != mapWinnings.end() ? it->second : 0;
        const int nMultiplier = nSum / nCount / nBet;
        vecLines.push_back(
            {FormatLine("%s: %d@%dx%d= %d", strName, nCount, nMultiplier, nBet, nSum),
             ResultsLineSpeech(strName, nCount, nMultiplier, nBet, nSum)});
    };
    std::map<std::string, int> rest = mapCounts;
    for (const CCategory& category : family.categories) {
        const auto it = rest.find(category.pszName);
        if (it == rest.end()) continue;
        addLine(it->first, it->second);
        rest.erase(it);
    }
    for (const auto& [strName, nCount] : rest) addLine(strName, nCount);

    // The rule reads as what it is, not as ten equals signs.
    vecLines.push_back({"==========", "separator"});
    vecLines.push_back({"Total: " + std::to_string(nTotal), ResultsTotalSpeech(nTotal)});
    return vecLines;
}

std::string ResultsLineSpeech(const std::string& strName, int nCount, int nMultiplier, int nBet,
                              int nSum) {
    std::string strText = strName;
    strText += ": ";
    strText += std::to_string(nCount);
    strText += nCount == 1 ? " hand at " : " hands at ";
    strText += std::to_string(nMultiplier);
    strText += " times ";
    strText += std::to_string(nBet);
    strText += ", ";
    strText += CoinsSpeech(nSum);
    return strText;
}

std::string ResultsTotalSpeech(int nTotal) {
    std::string strText = "Total: ";
    strText += CoinsSpeech(nTotal);
    return strText;
}

std::string CoinsSpeech(int nCoins) {
    std::string str = std::to_string(nCoins);
    str += nCoins == 1 ? " coin" : " coins";
    return str;
}
