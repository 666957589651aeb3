#include "support/test_cards.h"

#include <gtest/gtest.h>

#include <sstream>

CTestCards::CTestCards() {
    for (int nSuit : {SUIT_SPADES, SUIT_HEARTS, SUIT_CLUBS, SUIT_DIAMONDS}) {
        for (int nRank = 2; nRank <= RANK_ACE; ++nRank) {
            m_cards.push_back(std::make_unique<CCard>(nSuit, nRank, 0, 0));
            m_arrAll.Add(m_cards.back().get());
        }
    }
    m_pBack = std::make_unique<CCard>(SUIT_BACK, 0, 0, 0);
    m_pJoker = std::make_unique<CCard>(SUIT_JOKER, 0, 0, 0);
}

CCard* CTestCards::Get(int nSuit, int nRank) const {
    for (const auto& p : m_cards)
        if (p->GetSuit() == nSuit && p->GetRank() == nRank) return p.get();
    return nullptr;
}

CCard* CTestCards::Parse(const std::string& text) const {
    if (text == "XX") return m_pBack.get();
    if (text == "Jk") return m_pJoker.get();
    for (const auto& p : m_cards)
        if (CardText(p.get()) == text) return p.get();
    ADD_FAILURE() << "bad card text '" << text << "'";
    return nullptr;
}

CCardArray CTestCards::ParseArray(const std::string& text) const {
    CCardArray cards;
    std::istringstream in(text);
    for (std::string word; in >> word;) cards.Add(Parse(word));
    return cards;
}

CHand CTestCards::Hand(const std::string& text) const {
    const CCardArray cards = ParseArray(text);
    return CHand(&cards);
}

std::string CardText(const CCard* pCard) {
    if (pCard == nullptr) return "null";
    if (pCard->GetSuit() == SUIT_BACK) return "XX";
    if (pCard->GetSuit() == SUIT_JOKER) return "Jk";
    static const char* const kRanks[] = {"",  "",  "2",  "3", "4", "5", "6", "7",
                                         "8", "9", "10", "J", "Q", "K", "A"};
    return kRanks[pCard->GetRank()] + std::string(1, "?cdhs"[pCard->GetSuit() / 100]);
}

std::string CardsText(const CCardArray& cards) {
    std::string result;
    for (int i = 0; i < cards.GetSize(); ++i) result += (i ? " " : "") + CardText(cards[i]);
    return result;
}
