#include "coach/coach_text.h"

#include <cstdio>

#include <cctype>

#include "games/game_variants.h"
#include "model/card_words.h"
#include "table/multi_hand_dlg.h"

std::string HandsText(int nHands) {
    std::string strText = std::to_string(nHands);
    strText += nHands == 1 ? " hand" : " hands";
    return strText;
}

std::string CoinsText(std::int64_t nCoins) {
    std::string strText = std::to_string(nCoins);
    strText += nCoins == 1 ? " coin" : " coins";
    return strText;
}

std::string ExpectedHandsText(const CFraction& hands) {
    if (hands.GetNumerator() == 0) return "0 hands";
    const double dHands = hands.Value();
    if (dHands < 0.005) return "< 0.01 hands";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f hands", dHands);
    return buffer;
}

std::string DealGameText(const CCoachDeal& deal) {
    const CGameVariant* pVariant = FindGameVariant(deal.nGame);
    std::string strText = pVariant != nullptr ? pVariant->pszName : "";
    const std::string& strTable = deal.payTable.strName;
    if (strTable == AsBuiltPayTable(deal.nGame).strName) return strText;
    // A casino table's name starts with its game's: "Jacks or Better 9/6".
    if (strTable.starts_with(strText)) return strTable;
    strText += ", ";
    strText += strTable;
    return strText;
}

std::string UncoveredStakeText(const CMultiHandDlg& dlg) {
    const int nStake = dlg.GetBet() * dlg.GetHandsInPlay();
    if (dlg.IsDealt() || dlg.IsClosed() || dlg.GetCoins() >= nStake) return "";
    std::string strText = "The stake, ";
    strText += CoinsText(nStake);
    strText += ", is more than your ";
    strText += CoinsText(dlg.GetCoins());
    return strText;
}

namespace {

std::string FirstWord(const std::string& str) {
    std::string strWord = str.substr(0, str.find_first_of(" :"));
    for (char& c : strWord) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return strWord;
}

}  // namespace

std::string FigureSpeech(const std::string& strCaption, const std::string& strShown) {
    const std::string strWords = SymbolsAsWords(strShown);
    if (strWords.empty()) return strCaption;
    if (strCaption.empty()) return strWords;
    const std::string strCaptionWord = FirstWord(strCaption);
    const size_t nColon = strWords.find(": ");
    const bool bLabelled = nColon != std::string::npos && !strCaptionWord.empty() &&
                           strWords.find_first_of("0123456789") > nColon &&
                           FirstWord(strWords) == strCaptionWord;
    std::string strText = strCaption;
    strText += ": ";
    if (bLabelled) {
        strText += strWords.substr(nColon + 2);
        return strText;
    }
    // Shown text that starts as its caption does says what it is by itself.
    if (!strCaptionWord.empty() &&
        std::isalpha(static_cast<unsigned char>(strCaptionWord.front())) &&
        FirstWord(strWords).starts_with(strCaptionWord))
        return strWords;
    strText += strWords;
    return strText;
}
