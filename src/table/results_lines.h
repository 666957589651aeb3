// The results list after a draw as the table shows it and as a screen reader reads it: a line
// per category that came up, in the pay table's order, then a rule and the total.
#pragma once

#include <map>
#include <string>
#include <vector>

struct CFamily;

struct CResultsLine {
    std::string strShown;   // "Full House: 1@9x1= 9"
    std::string strSpoken;  // "Full House: 1 hand at 9 times 1, 9 coins"
};

// mapCounts and mapWinnings: the hands and the coins won per category's name. A name that is no
// category of the family comes after those that are, in name order.
std::vector<CResultsLine> ResultsLines(const CFamily& family,
                                       const std::map<std::string, int>& mapCounts,
                                       const std::map<std::string, int>& mapWinnings, int nBet,
                                       int nTotal);

// A results line in words: "Full House: 1 hand at 9 times 1, 9 coins".
std::string ResultsLineSpeech(const std::string& strName, int nCount, int nMultiplier, int nBet,
                              int nSum);
// "Total: 45 coins".
std::string ResultsTotalSpeech(int nTotal);
// "1 coin", "45 coins".
std::string CoinsSpeech(int nCoins);
