#include "support/test_cards.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

constexpr int kSuits[] = {SUIT_SPADES, SUIT_HEARTS, SUIT_CLUBS, SUIT_DIAMONDS};

int ParseRank(const std::string& s) {
    if (s == "J") return RANK_JACK;
    if (s == "Q") return RANK_QUEEN;
    if (s == "K") return RANK_KING;
    if (s == "A") return RANK_ACE;
    if (s.empty() || s.size() > 2) return -1;
    for (char c : s)
        if (c < '0' || c > '9') return -1;
    const int n = std::stoi(s);
    return n >= 2 && n <= 10 ? n : -1;
}

int ParseSuit(char c) {
    switch (c) {
        case 'c':
            return SUIT_CLUBS;
        case 'd':
            return SUIT_DIAMONDS;
        case 'h':
            return SUIT_HEARTS;
        case 's':
            return SUIT_SPADES;
        default:
            return -1;
    }
}

}  // namespace

CTestCards::CTestCards(bool bWithPictureIds) {
    for (int nSuit : kSuits) {
        for (int nRank = 2; nRank <= RANK_ACE; ++nRank) {
            const UINT nLarge = bWithPictureIds ? CardLargeBitmapID(nSuit, nRank) : 0;
            const UINT nSmall = bWithPictureIds ? CardSmallBitmapID(nSuit, nRank) : 0;
            m_cards.push_back(std::make_unique<CCard>(nSuit, nRank, nLarge, nSmall));
            m_arrAll.Add(m_cards.back().get());
        }
    }
    m_pBack = std::make_unique<CCard>(SUIT_BACK, 0, bWithPictureIds ? IDB_CARD_BACK_LARGE : 0,
                                      bWithPictureIds ? IDB_CARD_BACK_SMALL : 0);
}

CCard* CTestCards::Get(int nSuit, int nRank) const {
    for (const auto& p : m_cards)
        if (p->GetSuit() == nSuit && p->GetRank() == nRank) return p.get();
    return nullptr;
}

CCard* CTestCards::Parse(const std::string& text) const {
    if (text == "XX") return m_pBack.get();
    CCard* pCard = nullptr;
    if (text.size() >= 2) {
        const int nRank = ParseRank(text.substr(0, text.size() - 1));
        const int nSuit = ParseSuit(text.back());
        if (nRank > 0 && nSuit > 0) pCard = Get(nSuit, nRank);
    }
    EXPECT_NE(pCard, nullptr) << "bad card text '" << text << "'";
    return pCard;
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
    static const char* const kRanks[] = {"",  "",  "2",  "3", "4", "5", "6", "7",
                                         "8", "9", "10", "J", "Q", "K", "A"};
    const char* suit = pCard->GetSuit() == SUIT_CLUBS      ? "c"
                       : pCard->GetSuit() == SUIT_DIAMONDS ? "d"
                       : pCard->GetSuit() == SUIT_HEARTS   ? "h"
                                                           : "s";
    return std::string(kRanks[pCard->GetRank()]) + suit;
}

std::string CardsText(const CCardArray& cards) {
    std::string result;
    for (int i = 0; i < cards.GetSize(); ++i) {
        if (i) result += ' ';
        result += CardText(cards[i]);
    }
    return result;
}
