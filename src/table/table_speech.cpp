#include "table/table_speech.h"

#include <memory>
#include <vector>

#include "games/game_factory.h"
#include "model/card.h"
#include "model/card_words.h"
#include "table/multi_hand_dlg.h"
#include "table/results_lines.h"

namespace {

const CCard* DealtCard(const CMultiHandDlg& dlg, int nIndex) {
    if (dlg.IsClosed() || nIndex < 0 || nIndex >= CMultiHandDlg::kCardsPerHand) return nullptr;
    const CHand& hand = dlg.GetHand(0);
    if (nIndex >= hand.GetSize()) return nullptr;
    const CCard* pCard = hand.GetCard(nIndex);
    return pCard != nullptr && pCard->GetSuit() != SUIT_BACK ? pCard : nullptr;
}

}  // namespace

std::string HoldButtonName(const CMultiHandDlg& dlg, int nIndex) {
    std::string strName = "Hold ";
    if (const CCard* pCard = DealtCard(dlg, nIndex))
        strName += CardWords(pCard);
    else
        strName += "card " + std::to_string(nIndex + 1);
    return strName;
}

std::string DealtSpeech(const CMultiHandDlg& dlg) {
    std::string strText = "Dealt ";
    for (int i = 0; i < CMultiHandDlg::kCardsPerHand; ++i) {
        if (i > 0) strText += ", ";
        strText += CardWords(DealtCard(dlg, i));
    }
    return strText;
}

std::string HoldSpeech(const CMultiHandDlg& dlg, int nIndex) {
    std::string strText = CardWords(DealtCard(dlg, nIndex));
    if (nIndex < 0 || nIndex >= CMultiHandDlg::kCardsPerHand) return strText;
    strText += dlg.IsHeld(nIndex) ? " held" : " released";
    return strText;
}

std::string HeldSpeech(const CMultiHandDlg& dlg) {
    std::string strText = "Holding ";
    std::string strCards;
    for (int i = 0; i < CMultiHandDlg::kCardsPerHand; ++i) {
        if (!dlg.IsHeld(i)) continue;
        if (!strCards.empty()) strCards += ", ";
        strCards += CardWords(DealtCard(dlg, i));
    }
    strText += strCards.empty() ? "nothing" : strCards;
    return strText;
}

std::string DrawnSpeech(const CMultiHandDlg& dlg) {
    std::string strText = "Main hand ";
    std::string strName;
    if (!dlg.IsClosed()) {
        CHand copy(&dlg.GetHand(0).GetCards());
        if (const std::unique_ptr<CGame> pGame =
                CreateGame(dlg.GetGame(), &copy, &dlg.GetPayTable(), dlg.GetBet()))
            strName = pGame->GetName();
    }
    strText += strName.empty() ? "no win" : strName;
    int nTotal = 0;
    for (const auto& [strCategory, nSum] : dlg.GetWinnings()) nTotal += nSum;
    strText += ". Won ";
    strText += CoinsSpeech(nTotal);
    return strText;
}

std::string PayLineSpeech(const std::string& strLine) {
    std::vector<std::string> vecPieces;
    std::string strPiece;
    for (const char c : strLine + '\t') {
        if (c != '\t') {
            strPiece += c;
        } else if (!strPiece.empty()) {
            vecPieces.push_back(strPiece);
            strPiece.clear();
        }
    }
    if (vecPieces.empty()) return {};
    std::string strText = vecPieces.front();
    for (size_t i = 1; i < vecPieces.size(); ++i) {
        strText += i == 1 ? ": " : ", ";
        strText += vecPieces[i];
    }
    const bool bPay = vecPieces.size() > 1 &&
                      vecPieces.back().find_first_not_of("0123456789") == std::string::npos;
    if (bPay) strText += " per coin";
    return strText;
}
