// Every five-card hand of one deck, scored by every variant: the counts per category are the
// published figures of rules with deuces wild where they should be and no ace-low straight.
#include <gtest/gtest.h>
#include <span>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "games/game_bonus.h"
#include "games/game_double_bonus.h"
#include "games/game_duces_wild.h"
#include "games/game_factory.h"
#include "games/game_jack_or_better.h"
#include "support/test_cards.h"

namespace {

using CCountsByName = std::map<std::string, long>;

// Counts hands per pay-table line; a name that is not on the table, or a multiplier that is not
// its line's, lands on a line of its own so that it shows in the comparison.
class CTally {
public:
    explicit CTally(int nGame) : m_table(GetPayTable(nGame)), m_arrCounts(m_table.size() + 1) {}

    void Add(const CGame& game) {
        const char* pszName = game.GetName();
        const int nPayout = game.GetPayout();
        if (*pszName == '\0' && nPayout == 0) {
            ++m_nLosing;
            return;
        }
        for (std::size_t i = 0; i < m_table.size(); ++i) {
            if (m_table[i].nMultiplier == nPayout &&
                std::strcmp(m_table[i].pszName, pszName) == 0) {
                ++m_arrCounts[i];
                return;
            }
        }
        ++m_arrCounts.back();
        if (m_strFirstStray.empty())
            m_strFirstStray = std::string(pszName) + " " + std::to_string(nPayout);
    }

    CCountsByName Counts() const {
        CCountsByName counts{{"", m_nLosing}};
        for (std::size_t i = 0; i < m_table.size(); ++i)
            counts[m_table[i].pszName] = m_arrCounts[i];
        if (m_arrCounts.back() != 0) counts["stray: " + m_strFirstStray] = m_arrCounts.back();
        return counts;
    }

private:
    std::span<const CPayLine> m_table;
    std::vector<long> m_arrCounts;
    long m_nLosing = 0;
    std::string m_strFirstStray;
};

TEST(AllHands, EachVariantGivesThePublishedCountsPerCategory) {
    const CTestCards cards;
    const CCardArray& deck = cards.All();
    ASSERT_EQ(deck.GetSize(), 52);

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

    EXPECT_EQ(jacks.Counts(), (CCountsByName{{"Royal Flush", 4},
                                             {"Straight Flush", 32},
                                             {"4 of a Kind", 624},
                                             {"Full House", 3'744},
                                             {"Flush", 5'112},
                                             {"Straight", 9'180},
                                             {"3 of a Kind", 54'912},
                                             {"2 Pair", 123'552},
                                             {"Pair", 337'920},
                                             {"", 2'063'880}}));
    EXPECT_EQ(deuces.Counts(), (CCountsByName{{"Royal Flush", 4},
                                              {"4 Wild", 48},
                                              {"Royal Flush w/2's", 480},
                                              {"5 of a Kind", 624},
                                              {"Straight Flush", 1'932},
                                              {"4 of a Kind", 31'600},
                                              {"Full House", 12'672},
                                              {"Flush", 14'560},
                                              {"Straight", 60'144},
                                              {"3 of a Kind", 356'160},
                                              {"", 2'120'736}}));
    const CCountsByName kBonusCounts{{"Royal Flush", 4},
                                     {"Straight Flush", 32},
                                     {"4 Aces", 48},
                                     {"4 of a Kind (2,3,4)", 144},
                                     {"4 of a Kind (5-K)", 432},
                                     {"Full House", 3'744},
                                     {"Flush", 5'112},
                                     {"Straight", 9'180},
                                     {"3 of a Kind", 54'912},
                                     {"2 Pair", 123'552},
                                     {"Pair", 337'920},
                                     {"", 2'063'880}};
    EXPECT_EQ(bonus.Counts(), kBonusCounts);
    EXPECT_EQ(doubleBonus.Counts(), kBonusCounts);
}

}  // namespace
