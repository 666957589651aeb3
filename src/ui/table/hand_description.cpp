#include "ui/table/hand_description.h"

#include <memory>

#include "games/game_factory.h"
#include "model/card.h"
#include "model/card_words.h"
#include "model/hand.h"
#include "table/multi_hand_dlg.h"

std::string HandTitle(int nIndex) {
    return nIndex == 0 ? "Main hand" : "Hand " + std::to_string(nIndex);
}

std::string DescribeHand(const CMultiHandDlg& dlg, int nIndex) {
    std::string strText = HandTitle(nIndex);
    if (dlg.IsClosed() || nIndex < 0 || nIndex >= CMultiHandDlg::kHands) return strText;
    const CHand& hand = dlg.GetHand(nIndex);
    if (hand.GetSize() == 0) return strText;

    bool bFaceDown = true;
    for (int i = 0; i < hand.GetSize(); ++i) {
        const CCard* pCard = hand.GetCard(i);
        bFaceDown = bFaceDown && pCard != nullptr && pCard->GetSuit() == SUIT_BACK;
    }
    if (bFaceDown) return strText + ": face down";

    strText += ": ";
    for (int i = 0; i < hand.GetSize(); ++i) {
        if (i > 0) strText += ", ";
        strText += CardWords(hand.GetCard(i));
        if (nIndex == 0 && i < CMultiHandDlg::kCardsPerHand && dlg.IsHeld(i)) strText += " (held)";
    }
    // Scored on a copy, since a game takes its hand by non-const pointer.
    CHand copy(&hand.GetCards());
    if (const std::unique_ptr<CGame> pGame =
            CreateGame(dlg.GetGame(), &copy, &dlg.GetPayTable(), dlg.GetBet())) {
        const std::string strName = pGame->GetName();
        if (!strName.empty()) strText += " \xE2\x80\x94 " + strName;
    }
    return strText;
}
