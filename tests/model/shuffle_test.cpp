#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "model/deck.h"
#include "support/scripted_random_source.h"
#include "support/test_cards.h"

namespace {

class ShuffleTest : public ::testing::Test {
protected:
    CTestCards cards;
    CScriptedRandomSource script;
    CRandomSourceScope scope{&script};
};

TEST_F(ShuffleTest, EmptyDeckChangesNothingAndDrawsNoNumber) {
    CDeck deck;
    deck.Shuffle();
    deck.ShuffleDrawPile();
    EXPECT_TRUE(deck.GetCards().IsEmpty());
    EXPECT_TRUE(deck.GetDrawPile().IsEmpty());
    EXPECT_EQ(script.Taken(), 0);
}

TEST_F(ShuffleTest, EachStepSplitsTheNumbersIntoEqualBucketsOnePerCard) {
    // Three cards: buckets of 32768 / 3 = 10922 numbers; 32766 and 32767 would favour a card and
    // are redrawn. Two cards: buckets of 16384. One card: any number takes it.
    struct Case {
        std::initializer_list<int> numbers;
        const char* result;
        int nTaken;
    };
    const Case cases[] = {
        {{0, 0, 0}, "2s 3s 4s", 3},
        {{10921, 16383, 5}, "2s 3s 4s", 3},
        {{10922, 16384, 0}, "3s 4s 2s", 3},
        {{32765, 32767, 9}, "4s 3s 2s", 3},
        {{32766, 32767, 21844, 0, 0}, "4s 2s 3s", 5},
        {{0, 0, 32767}, "2s 3s 4s", 3},
    };
    for (const Case& c : cases) {
        CDeck deck(nullptr);
        deck.AddCards(cards.ParseArray("2s 3s 4s"));
        script.Push(c.numbers);
        const int nBefore = script.Taken();
        deck.Shuffle();
        EXPECT_EQ(CardsText(deck.GetCards()), c.result);
        EXPECT_EQ(script.Taken() - nBefore, c.nTaken);
        EXPECT_EQ(script.Remaining(), 0);
    }
}

TEST_F(ShuffleTest, FullDeckRedrawsOnlyTheTopEightNumbers) {
    // 52 cards: buckets of 630 numbers, 32760 to 32767 redrawn.
    CDeck deck(&cards.All());
    script.Push({32760, 32767, 32759});
    for (int i = 0; i < 51; ++i) script.Push(0);
    deck.Shuffle();
    EXPECT_EQ(script.Taken(), 54);
    EXPECT_EQ(CardText(deck.GetCards()[0]), "Ad");  // 32759 / 630 = 51, the last card
    EXPECT_EQ(CardText(deck.GetCards()[1]), "2s");
    EXPECT_EQ(CardText(deck.GetCards()[51]), "Kd");
}

TEST_F(ShuffleTest, DrawPileUsesTheSameProcedureAndLeavesTheDeckAlone) {
    CDeck deck;
    deck.AddCards(cards.ParseArray("2s 3s 4s"));
    script.Push({32765, 0, 0});
    deck.ShuffleDrawPile();
    EXPECT_EQ(CardsText(deck.GetDrawPile()), "4s 2s 3s");
    EXPECT_EQ(CardsText(deck.GetCards()), "2s 3s 4s");
}

// Where each card lands over many shuffles, relative to its place before the shuffle: with a fair
// shuffle every place is equally likely. Chi-square over the n x n table, fixed seed. One deck
// serves all shuffles, since building a deck seeds the source from the clock.
double PositionChiSquare(int nCards, int nShuffles, bool bDrawPile) {
    const CTestCards cards;
    CDefaultRandomSource source(20261207);
    CRandomSourceScope scope(&source);
    CDeck deck;
    CCardArray start;
    for (int i = 0; i < nCards; ++i) start.Add(cards.All()[i]);
    deck.AddCards(start);
    std::vector<std::vector<int>> counts(nCards, std::vector<int>(nCards, 0));
    for (int s = 0; s < nShuffles; ++s) {
        const CCardArray before = deck.GetCards();
        if (bDrawPile) {
            deck.ShuffleDrawPile();
        } else {
            deck.Shuffle();
        }
        const CCardArray& result = bDrawPile ? deck.GetDrawPile() : deck.GetCards();
        for (int pos = 0; pos < nCards; ++pos) {
            for (int c = 0; c < nCards; ++c) {
                if (result[pos] == before[c]) ++counts[c][pos];
            }
        }
    }
    const double expected = static_cast<double>(nShuffles) / nCards;
    double chi = 0;
    for (const auto& row : counts)
        for (int n : row) chi += (n - expected) * (n - expected) / expected;
    return chi;
}

TEST(ShuffleFairness, EveryCardIsEquallyLikelyAtEveryPosition) {
    // (n - 1)^2 degrees of freedom: 2601 for 52 cards (standard deviation about 72), 2116 for 47
    // (about 65). The bound is five deviations; a shuffle that scales by n - 1 lands far above.
    EXPECT_LT(PositionChiSquare(52, 20000, false), 2601 + 5 * 72);
    EXPECT_LT(PositionChiSquare(47, 20000, true), 2116 + 5 * 65);
}

TEST(ShuffleFairness, TheLastCardIsNotStuckAtTheBottom) {
    const CTestCards cards;
    CDefaultRandomSource source(99);
    CRandomSourceScope scope(&source);
    CDeck deck(&cards.All());
    int nStayed = 0;
    for (int s = 0; s < 5200; ++s) {
        CCard* pLast = deck.GetCards()[51];
        deck.Shuffle();
        if (deck.GetCards()[51] == pLast) ++nStayed;
    }
    EXPECT_LT(nStayed, 150);  // 100 expected
    EXPECT_GT(nStayed, 50);
}

}  // namespace

namespace {

// The bucket of each number, for every pile size a deck can have and a few beyond.
TEST(ShuffleIndex, EveryAcceptedNumberLandsInItsBucketAndTheRestAreRedrawn) {
    for (int n : {1, 2, 3, 5, 7, 13, 47, 51, 52, 63, 64, 65, 100, 1000}) {
        const int nBucket = 32768 / n;
        for (int r = 0; r < 32768; ++r) {
            CScriptedRandomSource script{r, 0};
            CRandomSourceScope scope(&script);
            const int i = CDeck::RandomIndex(n);
            if (r < nBucket * n) {
                ASSERT_EQ(i, r / nBucket) << "n " << n << " r " << r;
                ASSERT_EQ(script.Taken(), 1);
            } else {
                ASSERT_EQ(i, 0) << "n " << n << " r " << r;  // the redraw, 0, decided
                ASSERT_EQ(script.Taken(), 2);
            }
        }
    }
}

}  // namespace
