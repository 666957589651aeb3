#include "games/game.h"

#include <algorithm>

#include "model/card.h"
#include "model/hand.h"
#include "platform/dc.h"

IMPLEMENT_DYNAMIC(CGame, CObject)

namespace {

constexpr int kCardsInHand = 5;

}  // namespace

CGame::CGame(CHand* pHand, const CPayTable* pTable, int nBet)
    : m_pHand(pHand), m_pPayTable(pTable), m_nBet(nBet) {
    if (m_pHand != nullptr) m_nPayout = CGame::Evaluate(m_strName);
}

CGame::~CGame() {
    m_strName.clear();
}

int CGame::Evaluate(std::string& strName) const {
    strName.clear();
    return 0;
}

int CGame::ScoreByTable(std::string& strName) const {
    strName.clear();
    ASSERT(m_pPayTable != nullptr);
    if (m_pHand == nullptr || m_pPayTable == nullptr) return 0;
    // Only positions that exist are read; a card back or a missing card takes part in no
    // category.
    // The joker is wild where the family plays it, else nothing.
    int arrCodes[kCardsInHand] = {NO_CARD_CODE, NO_CARD_CODE, NO_CARD_CODE, NO_CARD_CODE,
                                  NO_CARD_CODE};
    const int nCards = std::min(m_pHand->GetSize(), kCardsInHand);
    ASSERT(m_pHand->GetSize() == kCardsInHand);
    for (int i = 0; i < nCards; ++i) arrCodes[i] = CardCodeOf(m_pHand->GetCard(i));
    const int nCategory = ClassifyHand(m_pPayTable->Family(), m_pPayTable->rules, arrCodes);
    strName = m_pPayTable->PayingName(nCategory, m_nBet);
    return m_pPayTable->Pay(nCategory, m_nBet);
}

void CGame::DrawResult(CDC* pDC, POINT ptHand, bool bLarge) const {
    ASSERT(pDC != nullptr);
    if (pDC == nullptr || m_pHand == nullptr || m_pHand->GetSize() == 0) return;
    const CCard* pFirst = m_pHand->GetCard(0);
    // Without a first card there is nothing to take the label's size from.
    if (pFirst == nullptr) return;

    // The label is as wide as the row of cards.
    const int nHeight = bLarge ? pFirst->GetLargeHeight() : pFirst->GetSmallHeight();
    const int nWidth = bLarge ? HAND_LARGE_WIDTH : HAND_SMALL_WIDTH;
    const RECT rcBox{ptHand.x, ptHand.y + nHeight + LABEL_TOP, ptHand.x + nWidth,
                     ptHand.y + nHeight + LABEL_BOTTOM};

    CPen pen(PS_SOLID, 1, RGB(255, 0, 0));
    std::string strName;
    Evaluate(strName);
    if (!strName.empty()) {
        CPen* pOldPen = pDC->SelectObject(&pen);
        pDC->RoundRect(&rcBox, POINT{3, 3});
        pDC->SelectObject(pOldPen);

        RECT rcText{rcBox.left + 1, rcBox.top + 1, rcBox.right - 1, rcBox.bottom - 1};
        pDC->SetBkMode(TRANSPARENT);
        pDC->DrawText(strName, &rcText, DT_CENTER | DT_VCENTER);
    }
    pen.DeleteObject();
}
