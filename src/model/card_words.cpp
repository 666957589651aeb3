#include "model/card_words.h"

#include <array>
#include <string_view>

#include "model/card.h"

namespace {

struct CSuitSymbol {
    std::string_view strSymbol;  // UTF-8
    int nSuit;
};

constexpr std::array<CSuitSymbol, 4> kSuitSymbols = {{
    {"\xE2\x99\xA3", SUIT_CLUBS},
    {"\xE2\x99\xA6", SUIT_DIAMONDS},
    {"\xE2\x99\xA5", SUIT_HEARTS},
    {"\xE2\x99\xA0", SUIT_SPADES},
}};
constexpr std::string_view kCurrentMark = "\xE2\x96\xB6";

// The rank at the start of strText ("10", "T", "9", "J"...), its length in nLength; 0 for none.
int ParseRank(std::string_view strText, size_t& nLength) {
    if (strText.starts_with("10")) {
        nLength = 2;
        return 10;
    }
    nLength = 1;
    return strText.empty() ? 0 : RankOfLetter(strText[0]);
}

// The card written at the start of strText, with its length; 0 when none is there.
int ParseCard(std::string_view strText, int& nRank, size_t& nLength) {
    size_t nRankLength = 0;
    nRank = ParseRank(strText, nRankLength);
    if (nRank == 0) return 0;
    for (const CSuitSymbol& symbol : kSuitSymbols) {
        if (strText.substr(nRankLength).starts_with(symbol.strSymbol)) {
            nLength = nRankLength + symbol.strSymbol.size();
            return symbol.nSuit;
        }
    }
    return 0;
}

bool StartsWord(std::string_view strText, size_t nAt) {
    return nAt == 0 || strText[nAt - 1] == ' ' || strText[nAt - 1] == '(';
}

}  // namespace

int RankOfLetter(char c) {
    if (c >= '2' && c <= '9') return c - '0';
    switch (c) {
        case 'T':
            return 10;
        case 'J':
            return RANK_JACK;
        case 'Q':
            return RANK_QUEEN;
        case 'K':
            return RANK_KING;
        case 'A':
            return RANK_ACE;
        default:
            return 0;
    }
}

std::string RankWords(int nRank) {
    switch (nRank) {
        case RANK_JACK:
            return "jack";
        case RANK_QUEEN:
            return "queen";
        case RANK_KING:
            return "king";
        case RANK_ACE:
            return "ace";
        default:
            return std::to_string(nRank);
    }
}

std::string SuitWords(int nSuit) {
    switch (nSuit) {
        case SUIT_CLUBS:
            return "clubs";
        case SUIT_DIAMONDS:
            return "diamonds";
        case SUIT_HEARTS:
            return "hearts";
        case SUIT_SPADES:
            return "spades";
        default:
            return {};
    }
}

std::string CardWords(int nSuit, int nRank) {
    if (nSuit == SUIT_JOKER) return "Joker";
    std::string strText = RankWords(nRank);
    const std::string strSuit = SuitWords(nSuit);
    if (!strSuit.empty()) {
        strText += " of ";
        strText += strSuit;
    }
    return strText;
}

std::string CardWords(const CCard* pCard) {
    if (pCard == nullptr) return {};
    if (pCard->GetSuit() == SUIT_BACK) return "card back";
    return CardWords(pCard->GetSuit(), pCard->GetRank());
}

std::string SymbolsAsWords(const std::string& strShown) {
    const std::string_view strText = strShown;
    if (strText.find_first_not_of('=') == std::string_view::npos) return {};
    std::string strWords;
    size_t i = 0;
    bool bInCards = false;  // the last thing written was a card
    while (i < strText.size()) {
        int nRank = 0;
        size_t nLength = 0;
        const int nSuit = StartsWord(strText, i) ? ParseCard(strText.substr(i), nRank, nLength) : 0;
        if (nSuit != 0) {
            // Cards written one after another with a space between read as a list.
            if (bInCards && strWords.ends_with(' ')) {
                strWords.pop_back();
                strWords += ", ";
            }
            strWords += CardWords(nSuit, nRank);
            i += nLength;
            bInCards = true;
            continue;
        }
        if (StartsWord(strText, i) && strText.substr(i).starts_with("< ")) {
            strWords += "less than ";
            i += 2;
            bInCards = false;
            continue;
        }
        if (strText.substr(i).starts_with(kCurrentMark)) {
            strWords += "current:";
            i += kCurrentMark.size();
            bInCards = false;
            continue;
        }
        if (strText[i] != ' ') bInCards = false;
        strWords += strText[i++];
    }
    return strWords;
}
