// The 52 cards, the back and the joker for tests, in the table's start-up order, and hands
// written as text: "10h Jh Qh Kh Ah", ranks 2-10 J Q K A, suits c d h s, "XX" for the card
// back, "Jk" for the joker.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/card.h"
#include "model/card_array.h"
#include "model/hand.h"

class CTestCards {
public:
    // The cards carry no pictures.
    CTestCards();

    // Spades 2..A, hearts, clubs, diamonds: the order the table creates them.
    const CCardArray& All() const { return m_arrAll; }
    CCard* Back() const { return m_pBack.get(); }
    CCard* Joker() const { return m_pJoker.get(); }
    CCard* Get(int nSuit, int nRank) const;
    // One card from text such as "Qh" or "10s"; fails the test for bad text.
    CCard* Parse(const std::string& text) const;
    CCardArray ParseArray(const std::string& text) const;
    CHand Hand(const std::string& text) const;

private:
    std::vector<std::unique_ptr<CCard>> m_cards;
    std::unique_ptr<CCard> m_pBack;
    std::unique_ptr<CCard> m_pJoker;
    CCardArray m_arrAll;
};

std::string CardText(const CCard* pCard);
std::string CardsText(const CCardArray& cards);
