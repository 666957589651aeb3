#include <gtest/gtest.h>

#include "model/deck.h"
#include "support/scripted_random_source.h"
#include "support/test_cards.h"

namespace {

// Three cards: buckets of 32768 / 3 = 10922 numbers; 32766 and 32767 would favour a card and
// are redrawn. Two cards: buckets of 16384. One card: any number takes it. The table's scripted
// rounds shuffle the full deck the same way.
TEST(ShuffleTest, EachStepSplitsTheNumbersIntoEqualBucketsOnePerCard) {
    const CTestCards cards;
    CScriptedRandomSource script;
    CRandomSourceScope scope{&script};
    const struct {
        std::initializer_list<int> numbers;
        const char* pszResult;
    } kCases[] = {{{0, 0, 0}, "2s 3s 4s"},
                  {{10921, 16383, 5}, "2s 3s 4s"},
                  {{10922, 16384, 0}, "3s 4s 2s"},
                  {{32765, 32767, 9}, "4s 3s 2s"},
                  {{32766, 32767, 21844, 0, 0}, "4s 2s 3s"}};
    for (const auto& [numbers, pszResult] : kCases) {
        for (bool bDrawPile : {false, true}) {
            CDeck deck;
            deck.AddCards(cards.ParseArray("2s 3s 4s"));
            script.Push(numbers);
            bDrawPile ? deck.ShuffleDrawPile() : deck.Shuffle();
            EXPECT_EQ(CardsText(bDrawPile ? deck.GetDrawPile() : deck.GetCards()), pszResult);
            EXPECT_EQ(script.Remaining(), 0);
            // The draw pile is a shuffled copy: the deck keeps its order.
            if (bDrawPile) {
                EXPECT_EQ(CardsText(deck.GetCards()), "2s 3s 4s");
            }
        }
    }
    CDeck empty;
    empty.Shuffle();
    empty.ShuffleDrawPile();
    EXPECT_EQ(script.Taken(), 34);  // an empty deck draws no number
}

// The bucket of each number, for every pile size a deck can have and a few beyond.
TEST(ShuffleIndex, EveryAcceptedNumberLandsInItsBucketAndTheRestAreRedrawn) {
    for (int n : {1, 2, 3, 5, 7, 13, 47, 51, 52, 63, 64, 65, 100, 1000}) {
        const int nBucket = 32768 / n;
        for (int r = 0; r < 32768; ++r) {
            CScriptedRandomSource script{r, 0};
            CRandomSourceScope scope(&script);
            const bool bAccepted = r < nBucket * n;
            // A redrawn number is followed by 0, which takes the first bucket.
            ASSERT_EQ(CDeck::RandomIndex(n), bAccepted ? r / nBucket : 0) << n << " " << r;
            ASSERT_EQ(script.Taken(), bAccepted ? 1 : 2) << n << " " << r;
        }
    }
}

// Where each card lands over many shuffles, relative to its place before the shuffle: with a fair
// shuffle every place is equally likely. Chi-square over the n x n table. Building a deck seeds
// the source from the clock, so the fixed seed is installed after the deck is built.
double PositionChiSquare(int nCards, int nShuffles, bool bDrawPile) {
    const CTestCards cards;
    CDeck deck;
    CDefaultRandomSource source(20261207);
    CRandomSourceScope scope(&source);
    CCardArray start;
    for (int i = 0; i < nCards; ++i) start.Add(i < 52 ? cards.All()[i] : cards.Joker());
    deck.AddCards(start);
    std::vector<std::vector<int>> counts(nCards, std::vector<int>(nCards, 0));
    for (int s = 0; s < nShuffles; ++s) {
        const CCardArray before = deck.GetCards();
        bDrawPile ? deck.ShuffleDrawPile() : deck.Shuffle();
        const CCardArray& result = bDrawPile ? deck.GetDrawPile() : deck.GetCards();
        for (int pos = 0; pos < nCards; ++pos)
            for (int c = 0; c < nCards; ++c)
                if (result[pos] == before[c]) ++counts[c][pos];
    }
    const double expected = static_cast<double>(nShuffles) / nCards;
    double chi = 0;
    for (const auto& row : counts)
        for (int n : row) chi += (n - expected) * (n - expected) / expected;
    return chi;
}

TEST(ShuffleFairness, EveryCardIsEquallyLikelyAtEveryPosition) {
    // (n - 1)^2 degrees of freedom, with a standard deviation of about (n - 1) * 1.41: 2601 for
    // 52 cards (72), 2116 for 47 (65); with the joker 2704 for 53 (74), 2209 for 48 (67). The
    // bound is five deviations; a card stuck in place, or a shuffle that scales by n - 1, lands
    // far above.
    EXPECT_LT(PositionChiSquare(52, 20000, false), 2601 + 5 * 72);
    EXPECT_LT(PositionChiSquare(47, 20000, true), 2116 + 5 * 65);
    EXPECT_LT(PositionChiSquare(53, 20000, false), 2704 + 5 * 74);
    EXPECT_LT(PositionChiSquare(48, 20000, true), 2209 + 5 * 67);
}

}  // namespace
