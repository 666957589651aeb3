#include "coach/coach_text.h"

#include <cstdio>

#include "games/game_variants.h"
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
    std::string strText = pVariant != nullptr ? pVariant->pszCaption : "";
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
