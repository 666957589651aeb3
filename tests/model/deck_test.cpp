#include "model/deck.h"

#include <gtest/gtest.h>

#include <map>

#include "support/assert_counter.h"
#include "support/test_cards.h"

namespace {

TEST(Deck, DealsFromTheTopAndGathersTheDealtCardsBackInFront) {
    const CTestCards cards;
    CDeck deck(&cards.All());
    for (int i = 0; i < 10; ++i) deck.DealCard();
    EXPECT_EQ(CardsText(deck.GetDealt()), "2s 3s 4s 5s 6s 7s 8s 9s 10s Js");
    EXPECT_EQ(CardsText(deck.GetCards()).substr(0, 6), "Qs Ks ");
    deck.GatherCards();
    EXPECT_EQ(deck.GetCards(), cards.All());
    EXPECT_TRUE(deck.GetDealt().IsEmpty());
    deck.GatherCards();  // with nothing dealt, nothing changes
    EXPECT_EQ(deck.GetCards(), cards.All());

    CDeck added;
    added.AddCards(cards.ParseArray("2s 3s"));
    added.AddCards(cards.ParseArray("Ah"));
    EXPECT_EQ(CardsText(added.GetCards()), "2s 3s Ah");
}

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

TEST(Deck, DeleteCardsDeletesEachOfThe53CardsOnceAndTheDestructorNone) {
    g_deletions.clear();
    CCardArray faces;
    for (int i = 0; i < 52; ++i) faces.Add(new CCountedCard(SUIT_SPADES, 2, 0, 0));
    CCard* pBack = new CCountedCard(SUIT_BACK, 0, 0, 0);
    { CDeck unowned(&faces); }
    EXPECT_TRUE(g_deletions.empty());

    CDeck deck(&faces);
    deck.SetCardBack(pBack);
    for (int i = 0; i < 5; ++i) deck.DealCard();
    deck.ShuffleDrawPile();
    deck.DeleteCards();
    deck.DeleteCards();  // a second call finds nothing left to delete
    EXPECT_TRUE(deck.GetCards().IsEmpty() && deck.GetDealt().IsEmpty());
    EXPECT_TRUE(deck.GetDrawPile().IsEmpty() && deck.GetBlankHand()->IsEmpty());
    EXPECT_EQ(g_deletions.size(), 53u);
    for (const auto& [p, n] : g_deletions) EXPECT_EQ(n, 1);
}

}  // namespace
