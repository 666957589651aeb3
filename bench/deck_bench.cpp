// Card work of the deck: one shuffle, and the card work of one 50-hand draw.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "model/card.h"
#include "model/deck.h"
#include "platform/random.h"

namespace {

struct Cards {
    std::vector<std::unique_ptr<CCard>> owned;
    CCardArray all;
    Cards() {
        for (int nSuit : {SUIT_SPADES, SUIT_HEARTS, SUIT_CLUBS, SUIT_DIAMONDS}) {
            for (int nRank = 2; nRank <= RANK_ACE; ++nRank) {
                owned.push_back(std::make_unique<CCard>(nSuit, nRank, 0, 0));
                all.Add(owned.back().get());
            }
        }
    }
};

void BM_Shuffle52(benchmark::State& state) {
    Cards cards;
    CDeck deck(&cards.all);
    for (auto _ : state) {
        deck.Shuffle();
        benchmark::DoNotOptimize(deck.GetCards()[0]);
    }
}
BENCHMARK(BM_Shuffle52);

// What one Draw at 50 hands asks of the deck: per hand Shuffle, ShuffleDrawPile, five DrawCard.
void BM_Draw50HandsCardWork(benchmark::State& state) {
    Cards cards;
    CDeck deck(&cards.all);
    deck.Shuffle();
    for (int i = 0; i < 5; ++i) deck.DealCard();
    for (auto _ : state) {
        for (int h = 0; h < 50; ++h) {
            deck.Shuffle();
            deck.ShuffleDrawPile();
            for (int i = 0; i < 5; ++i) benchmark::DoNotOptimize(deck.DrawCard());
        }
    }
}
BENCHMARK(BM_Draw50HandsCardWork)->Unit(benchmark::kMicrosecond);

}  // namespace
