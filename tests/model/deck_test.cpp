#include "model/deck.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "model/card.h"
#include "platform/random.h"
#include "support/assert_counter.h"
#include "support/test_cards.h"

namespace {

// A card that counts its own deletions, keyed by address.
std::map<const void*, int> g_deletions;

class CCountedCard : public CCard {
public:
    using CCard::CCard;
    ~CCountedCard() override { ++g_deletions[this]; }
};

struct CountedSet {
    CCardArray faces;
    CCard* pBack;
    std::set<const void*> all;

    CountedSet() {
        for (int nSuit : {SUIT_SPADES, SUIT_HEARTS, SUIT_CLUBS, SUIT_DIAMONDS}) {
            for (int nRank = 2; nRank <= RANK_ACE; ++nRank) {
                faces.Add(new CCountedCard(nSuit, nRank, 0, 0));
                all.insert(faces[faces.GetSize() - 1]);
            }
        }
        pBack = new CCountedCard(SUIT_BACK, 0, 0, 0);
        all.insert(pBack);
    }
};

// Every face card is in exactly one of the deck proper and the dealt cards, once.
void ExpectEveryCardOnce(const CDeck& deck, const CCardArray& faces) {
    std::multiset<const CCard*> seen;
    for (int i = 0; i < deck.GetCards().GetSize(); ++i) seen.insert(deck.GetCards()[i]);
    for (int i = 0; i < deck.GetDealt().GetSize(); ++i) seen.insert(deck.GetDealt()[i]);
    ASSERT_EQ(seen.size(), 52u);
    for (int i = 0; i < faces.GetSize(); ++i) EXPECT_EQ(seen.count(faces[i]), 1u) << i;
}

TEST(Deck, IsBuiltFromAnArrayOrFilledWithAddCardsInOrder) {
    const CTestCards cards;
    const CDeck fromArray(&cards.All());
    EXPECT_EQ(fromArray.GetCards(), cards.All());
    CDeck deck;
    EXPECT_TRUE(deck.GetCards().IsEmpty());
    deck.AddCards(cards.ParseArray("2s 3s"));
    deck.AddCards(cards.ParseArray("Ah"));
    EXPECT_EQ(CardsText(deck.GetCards()), "2s 3s Ah");
    EXPECT_STREQ(deck.GetRuntimeClass()->m_lpszClassName, "CDeck");
}

TEST(Deck, DealsFromTheTopAndGathersTheDealtCardsBackInFront) {
    const CTestCards cards;
    CDeck deck(&cards.All());
    std::string first;
    for (int i = 0; i < 10; ++i) first += CardText(deck.DealCard()) + " ";
    EXPECT_EQ(first, "2s 3s 4s 5s 6s 7s 8s 9s 10s Js ");
    EXPECT_EQ(CardsText(deck.GetDealt()), "2s 3s 4s 5s 6s 7s 8s 9s 10s Js");
    EXPECT_EQ(deck.GetCards().GetSize(), 42);
    ExpectEveryCardOnce(deck, cards.All());

    deck.GatherCards();
    EXPECT_EQ(deck.GetCards(), cards.All());
    EXPECT_TRUE(deck.GetDealt().IsEmpty());

    // Five deals, a gathering and five more deals give the same five cards twice.
    CCardArray a, b;
    for (int i = 0; i < 5; ++i) a.Add(deck.DealCard());
    deck.GatherCards();
    for (int i = 0; i < 5; ++i) b.Add(deck.DealCard());
    EXPECT_EQ(a, b);

    // Gathering with nothing dealt changes nothing.
    deck.GatherCards();
    const CCardArray before = deck.GetCards();
    deck.GatherCards();
    EXPECT_EQ(deck.GetCards(), before);
}

TEST(Deck, EmptyPilesGiveNullAndTouchNothing) {
    CAssertCounter asserts;
    CDeck deck;
    EXPECT_EQ(deck.DealCard(), nullptr);
    EXPECT_EQ(deck.DrawCard(), nullptr);
    EXPECT_TRUE(deck.GetDealt().IsEmpty());
    EXPECT_EQ(asserts.Count(), 2);
}

TEST(Deck, DrawPileIsACopyOfTheDeckAndIsReplacedWholeEachTime) {
    const CTestCards cards;
    CDefaultRandomSource source(3);
    CRandomSourceScope scope(&source);
    CDeck deck(&cards.All());
    for (int i = 0; i < 5; ++i) deck.DealCard();
    const CCardArray proper = deck.GetCards();

    deck.ShuffleDrawPile();
    EXPECT_EQ(deck.GetCards(), proper);
    EXPECT_EQ(deck.GetDrawPile().GetSize(), 47);
    CCard* pTop = deck.GetDrawPile()[0];
    EXPECT_EQ(deck.DrawCard(), pTop);
    EXPECT_EQ(deck.GetDrawPile().GetSize(), 46);
    EXPECT_EQ(deck.GetCards(), proper);

    deck.ShuffleDrawPile();
    EXPECT_EQ(deck.GetDrawPile().GetSize(), 47);
    std::multiset<const CCard*> pile, deckCards;
    for (int i = 0; i < 47; ++i) {
        pile.insert(deck.GetDrawPile()[i]);
        deckCards.insert(proper[i]);
    }
    EXPECT_EQ(pile, deckCards);
    ExpectEveryCardOnce(deck, cards.All());
}

TEST(Deck, SetCardBackTwiceKeepsFiveCopiesOfTheSecondOnly) {
    const CTestCards cards;
    CDeck deck;
    deck.SetCardBack(cards.Parse("2s"));
    deck.SetCardBack(cards.Back());
    ASSERT_EQ(deck.GetBlankHand()->GetSize(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(deck.GetBlankHand()->GetAt(i), cards.Back());
}

TEST(Deck, DeleteCardsDeletesEachOfThe53CardsOnceAndForgetsThem) {
    g_deletions.clear();
    CountedSet set;
    {
        CDeck deck;
        deck.AddCards(set.faces);
        deck.SetCardBack(set.pBack);
        for (int i = 0; i < 5; ++i) deck.DealCard();
        deck.ShuffleDrawPile();
        deck.DeleteCards();
        EXPECT_TRUE(deck.GetCards().IsEmpty());
        EXPECT_TRUE(deck.GetDealt().IsEmpty());
        EXPECT_TRUE(deck.GetDrawPile().IsEmpty());
        EXPECT_TRUE(deck.GetBlankHand()->IsEmpty());
        deck.DeleteCards();  // a second call finds nothing left to delete
    }
    EXPECT_EQ(g_deletions.size(), 53u);
    for (const void* p : set.all) EXPECT_EQ(g_deletions[p], 1);
}

TEST(Deck, DestructorDeletesNoCard) {
    g_deletions.clear();
    CountedSet set;
    { CDeck deck(&set.faces); }
    EXPECT_TRUE(g_deletions.empty());
    for (int i = 0; i < set.faces.GetSize(); ++i) delete set.faces[i];
    delete set.pBack;
}

}  // namespace
