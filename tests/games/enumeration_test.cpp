// Every five-card hand of one deck, scored by every variant: the counts per pay-table line are the
// published figures of rules with deuces wild where they should be and no ace-low straight. The
// lines themselves, in pay-table order with their multipliers, are pinned here too.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "games/game_bonus.h"
#include "games/game_double_bonus.h"
#include "games/game_duces_wild.h"
#include "games/game_factory.h"
#include "games/game_jack_or_better.h"
#include "support/test_cards.h"

namespace {

struct CLineCount {
    std::string strName;  // "" for the losing hands, last
    int nMultiplier;
    long nHands;
    friend bool operator==(const CLineCount&, const CLineCount&) = default;
    friend std::ostream& operator<<(std::ostream& os, const CLineCount& c) {
        return os << '{' << c.strName << ", " << c.nMultiplier << ", " << c.nHands << '}';
    }
};
using CCounts = std::vector<CLineCount>;

// Counts hands per pay-table line, the losing hands last; a score that is no line of the table
// lands on a line of its own, so that it shows in the comparison.
struct CTally {
    explicit CTally(int nGame) {
        for (const CPayLine& line : GetPayTable(nGame))
            counts.push_back({line.pszName, line.nMultiplier, 0});
        counts.push_back({"", 0, 0});
    }
    void Add(const CGame& game) {
        const auto it = std::find_if(counts.begin(), counts.end(), [&](const CLineCount& line) {
            return line.nMultiplier == game.GetPayout() && line.strName == game.GetName();
        });
        if (it != counts.end()) {
            ++it->nHands;
        } else {
            counts.push_back({game.GetName(), game.GetPayout(), 1});
        }
    }
    CCounts counts;
};

TEST(AllHands, EachVariantGivesThePublishedCountsPerPayTableLine) {
    const CTestCards cards;
    const CCardArray& deck = cards.All();
    CCardArray five;
    five.SetSize(5);
    CHand hand(&five);
    CTally deuces(GAME_DUCES_WILD), jacks(GAME_JACKS_OR_BETTER), bonus(GAME_BONUS),
        doubleBonus(GAME_DOUBLE_BONUS);
    long nHands = 0;

    // One hand object, each position set only when its card changes; the variants are built on
    // the stack so that the pass costs no allocation per hand.
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
                        ++nHands;
                        deuces.Add(CGameDucesWild(&hand));
                        jacks.Add(CGameJackOrBetter(&hand));
                        bonus.Add(CGameBonus(&hand));
                        doubleBonus.Add(CGameDoubleBonus(&hand));
                    }
                }
            }
        }
    }
    EXPECT_EQ(nHands, 2'598'960);

    EXPECT_EQ(jacks.counts, (CCounts{{"Royal Flush", 250, 4},
                                     {"Straight Flush", 50, 32},
                                     {"4 of a Kind", 25, 624},
                                     {"Full House", 9, 3'744},
                                     {"Flush", 6, 5'112},
                                     {"Straight", 4, 9'180},
                                     {"3 of a Kind", 3, 54'912},
                                     {"2 Pair", 2, 123'552},
                                     {"Pair", 1, 337'920},
                                     {"", 0, 2'063'880}}));
    EXPECT_EQ(deuces.counts, (CCounts{{"Royal Flush", 250, 4},
                                      {"4 Wild", 200, 48},
                                      {"Royal Flush w/2's", 25, 480},
                                      {"5 of a Kind", 15, 624},
                                      {"Straight Flush", 9, 1'932},
                                      {"4 of a Kind", 5, 31'600},
                                      {"Full House", 3, 12'672},
                                      {"Flush", 2, 14'560},
                                      {"Straight", 2, 60'144},
                                      {"3 of a Kind", 1, 356'160},
                                      {"", 0, 2'120'736}}));
    const CCounts kBonus{{"Royal Flush", 250, 4},
                         {"Straight Flush", 50, 32},
                         {"4 Aces", 80, 48},
                         {"4 of a Kind (2,3,4)", 40, 144},
                         {"4 of a Kind (5-K)", 25, 432},
                         {"Full House", 8, 3'744},
                         {"Flush", 5, 5'112},
                         {"Straight", 4, 9'180},
                         {"3 of a Kind", 3, 54'912},
                         {"2 Pair", 2, 123'552},
                         {"Pair", 1, 337'920},
                         {"", 0, 2'063'880}};
    EXPECT_EQ(bonus.counts, kBonus);
    // The same lines and hands as Bonus, at Double Bonus pay.
    const int kDoubleBonusPay[] = {250, 50, 160, 80, 50, 10, 7, 5, 3, 1, 1, 0};
    CCounts doubleBonusLines = kBonus;
    for (std::size_t i = 0; i < kBonus.size(); ++i)
        doubleBonusLines[i].nMultiplier = kDoubleBonusPay[i];
    EXPECT_EQ(doubleBonus.counts, doubleBonusLines);
    EXPECT_TRUE(GetPayTable(0).empty() && GetPayTable(5).empty());
}

}  // namespace
