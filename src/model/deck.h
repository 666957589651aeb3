// The table's one deck. It owns the 52 face cards (through m_arrCards and m_arrDealt), the card
// back (through m_arrBlankHand) and the joker (through m_pJoker, whether it is in play or not),
// and only DeleteCards deletes them.
#pragma once

#include "model/card_array.h"
#include "platform/object.h"

class CCard;

class CDeck : public CObject {
    DECLARE_DYNAMIC(CDeck)

public:
    // Seeds the random source from the clock: the one place the game does so.
    explicit CDeck(const CCardArray* pCards = nullptr);
    ~CDeck() override;

    void AddCards(const CCardArray& cards);
    // Puts m_arrCards in a random order.
    void Shuffle();
    // Replaces the draw pile by a random arrangement of m_arrCards, which stays as it is.
    void ShuffleDrawPile();
    // Takes the top of the draw pile; null when the pile is empty.
    CCard* DrawCard();
    // Takes the top of the deck and records it as dealt; null when the deck is empty.
    CCard* DealCard();
    // The dealt cards go back in front of the rest, in the order dealt.
    void GatherCards();
    void SetCardBack(CCard* pBack);
    const CCardArray* GetBlankHand() const { return &m_arrBlankHand; }
    // Hands the joker over, once; it stays out of play until UseJoker puts it in.
    void SetJoker(CCard* pJoker);
    // Puts the joker at the bottom of the undealt cards, or takes it out of the deck, for the
    // game about to be dealt; called with nothing dealt, so no pile still holds it.
    void UseJoker(bool bUse);
    const CCard* GetJoker() const { return m_pJoker; }
    // Deletes each card once (the faces, the back and the joker) and forgets every pointer to
    // them.
    void DeleteCards();

    // The index of the card a shuffle takes next from n cards: uniform, from the one source.
    static int RandomIndex(int n);

    const CCardArray& GetCards() const { return m_arrCards; }
    const CCardArray& GetDealt() const { return m_arrDealt; }
    const CCardArray& GetDrawPile() const { return m_arrDrawPile; }

private:
    CCardArray m_arrCards;
    CCardArray m_arrDrawPile;
    CCardArray m_arrDealt;
    CCardArray m_arrBlankHand;
    CCard* m_pJoker = nullptr;
};
