// Scoring throughput of each variant over all 2,598,960 five-card hands: per hand, the game
// object is built (which scores it), and its name and multiplier are read, as settlement does.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "games/game_bonus.h"
#include "games/game_double_bonus.h"
#include "games/game_duces_wild.h"
#include "games/game_jack_or_better.h"
#include "games/game_variants.h"
#include "model/card.h"
#include "model/hand.h"

namespace {

struct CPack {
    std::vector<std::unique_ptr<CCard>> owned;
    CCardArray all;
    CPack() {
        for (int nSuit : {SUIT_SPADES, SUIT_HEARTS, SUIT_CLUBS, SUIT_DIAMONDS}) {
            for (int nRank = 2; nRank <= RANK_ACE; ++nRank) {
                owned.push_back(std::make_unique<CCard>(nSuit, nRank, 0, 0));
                all.Add(owned.back().get());
            }
        }
    }
};

// Each game plays its own table as built.
template <class TGame>
constexpr int kGameOf = 0;
template <>
constexpr int kGameOf<CGameDucesWild> = GAME_DUCES_WILD;
template <>
constexpr int kGameOf<CGameJackOrBetter> = GAME_JACKS_OR_BETTER;
template <>
constexpr int kGameOf<CGameBonus> = GAME_BONUS;
template <>
constexpr int kGameOf<CGameDoubleBonus> = GAME_DOUBLE_BONUS;

template <class TGame>
void BM_AllHands(benchmark::State& state) {
    const CPayTable& table = AsBuiltPayTable(kGameOf<TGame>);
    const CPack pack;
    const CCardArray& deck = pack.all;
    CCardArray five;
    five.SetSize(5);
    CHand hand(&five);
    long nHands = 0;
    long nPaid = 0;
    for (auto _ : state) {
        for (int a = 0; a < 52; ++a) {
            hand.SetCard(0, deck[a]);
            for (int b = a + 1; b < 52; ++b) {
                hand.SetCard(1, deck[b]);
                for (int c = b + 1; c < 52; ++c) {
                    hand.SetCard(2, deck[c]);
                    for (int d = c + 1; d < 52; ++d) {
                        hand.SetCard(3, deck[d]);
                        for (int e = d + 1; e < 52; ++e) {
                            hand.SetCard(4, deck[e]);
                            const TGame game(&hand, table);
                            const char* pszName = game.GetName();
                            benchmark::DoNotOptimize(pszName);
                            nPaid += game.GetPayout();
                            ++nHands;
                        }
                    }
                }
            }
        }
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(nPaid);
    state.counters["hands/s"] =
        benchmark::Counter(static_cast<double>(nHands), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_AllHands<CGameDucesWild>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllHands<CGameJackOrBetter>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllHands<CGameBonus>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllHands<CGameDoubleBonus>)->Unit(benchmark::kMillisecond);

}  // namespace
