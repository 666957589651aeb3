// The deck's empty piles and the deleting of its cards. Dealing from the top and gathering the
// dealt cards back in front are what the table's scripted rounds are built on: they deal the
// cards they name only if the deck does both.
#include "model/deck.h"

#include <gtest/gtest.h>

#include <map>

#include "support/assert_counter.h"
#include "support/test_cards.h"

namespace {

TEST(Deck, EmptyPilesGiveNullAndTouchNothing) {
    CAssertCounter asserts;
    CDeck deck;
    EXPECT_EQ(deck.DealCard(), nullptr);
    EXPECT_EQ(deck.DrawCard(), nullptr);
    EXPECT_TRUE(deck.GetDealt().IsEmpty());
    EXPECT_EQ(asserts.Count(), 2);
}

// A card that counts its own deletions, keyed by address.
std::map<const void*, int> g_deletions;
struct CCountedCard : CCard {
    using CCard::CCard;
    ~CCountedCard() override { ++g_deletions[this]; }
};

// The joker goes in at the bottom and out again leaving the 52 in their order, once however
// often it is asked; each of the 54 cards is deleted once, whether the joker was out of play,
// undealt or dealt, and the destructor deletes none.
TEST(Deck, TheJokerComesAndGoesAndDeleteCardsDeletesEachOfThe54CardsOnce) {
    const struct {
        bool bJoker;
        int nDealt;
    } kCases[] = {{false, 5}, {true, 5}, {true, 53}};
    for (const auto& [bJoker, nDealt] : kCases) {
        g_deletions.clear();
        CCardArray faces;
        for (int i = 0; i < 52; ++i) faces.Add(new CCountedCard(SUIT_SPADES, 2, 0, 0));
        CCard* pBack = new CCountedCard(SUIT_BACK, 0, 0, 0);
        CCard* pJoker = new CCountedCard(SUIT_JOKER, 0, 0, 0);
        { CDeck unowned(&faces); }
        EXPECT_TRUE(g_deletions.empty());

        CDeck deck(&faces);
        deck.SetCardBack(pBack);
        deck.SetJoker(pJoker);
        CCardArray expected = faces;
        if (bJoker) expected.Add(pJoker);
        deck.UseJoker(true);
        for (int i = 0; i < 2; ++i) deck.UseJoker(bJoker);
        EXPECT_EQ(deck.GetCards(), expected);
        for (int i = 0; i < nDealt; ++i) deck.DealCard();
        deck.ShuffleDrawPile();
        deck.DeleteCards();
        deck.DeleteCards();  // a second call finds nothing left to delete
        EXPECT_TRUE(deck.GetCards().IsEmpty() && deck.GetDealt().IsEmpty());
        EXPECT_TRUE(deck.GetDrawPile().IsEmpty() && deck.GetBlankHand()->IsEmpty());
        EXPECT_EQ(g_deletions.size(), 54u);
        for (const auto& [p, n] : g_deletions) EXPECT_EQ(n, 1);
    }
}

}  // namespace
