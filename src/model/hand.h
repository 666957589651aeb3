// A row of card pointers, five once the table is set up; position 0 is the leftmost card.
// Holds no ownership: the deck owns the cards.
#pragma once

#include "model/card_array.h"
#include "platform/afx.h"
#include "platform/object.h"

class CCard;
class CDC;

class CHand : public CObject {
    DECLARE_DYNAMIC(CHand)

public:
    explicit CHand(const CCardArray* pCards = nullptr);
    ~CHand() override;

    // Replaces the whole hand by a copy of pCards.
    void SetCards(const CCardArray* pCards);
    // A position that does not exist is left alone (and reported).
    void SetCard(int nIndex, CCard* pCard);
    // Null for a position that does not exist.
    CCard* GetCard(int nIndex) const;
    int GetSize() const { return m_arrCards.GetSize(); }
    const CCardArray& GetCards() const { return m_arrCards; }

    // Card i at (x + i * step, y): CARD_LARGE_STEP or CARD_SMALL_STEP.
    void Draw(CDC* pDC, const POINT* pPoint, bool bLarge) const;
    // 26 n - 1 for n cards: the span of the row drawn small.
    int GetSmallWidth() const;
    // The small height of the first card (CARD_SMALL_HEIGHT); 0 for an empty hand.
    int GetSmallHeight() const;

private:
    CCardArray m_arrCards;
};
