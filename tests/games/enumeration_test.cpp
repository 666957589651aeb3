// Every five-card hand of one deck, scored by every variant: the counts per pay-table line
// (golden/all_hands.txt) are the published figures of rules with deuces wild where they should be
// and no ace-low straight. The lines themselves, in pay-table order with their multipliers, are
// pinned there too.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "games/game_bonus.h"
#include "games/game_double_bonus.h"
#include "games/game_duces_wild.h"
#include "games/game_factory.h"
#include "games/game_jack_or_better.h"
#include "support/golden.h"
#include "support/test_cards.h"

namespace {

// Hands per pay-table line, the losing hands last; a score that is no line of the table gets a
// line of its own, so that it shows in the comparison.
struct CTally {
    struct CLine {
        std::string strName;
        int nMultiplier;
        long nHands;
    };
    explicit CTally(int nGame) {
        for (const CPayLine& line : GetPayTable(nGame))
            lines.push_back({line.pszName, line.nMultiplier, 0});
        lines.push_back({"", 0, 0});
    }
    void Add(const CGame& game) {
        const auto it = std::find_if(lines.begin(), lines.end(), [&](const CLine& line) {
            return line.nMultiplier == game.GetPayout() && line.strName == game.GetName();
        });
        if (it != lines.end()) {
            ++it->nHands;
        } else {
            lines.push_back({game.GetName(), game.GetPayout(), 1});
        }
    }
    std::vector<CLine> lines;
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

    // One row per pay-table line: the variant, the line, its multiplier and its hands.
    std::vector<std::string> rows;
    for (const auto& [pszGame, pTally] :
         {std::pair{"Jacks or Better", &jacks}, std::pair{"Duces Wild", &deuces},
          std::pair{"Bonus", &bonus}, std::pair{"Double Bonus", &doubleBonus}}) {
        for (const CTally::CLine& line : pTally->lines) {
            char szRow[80];
            std::snprintf(szRow, sizeof szRow, "%-16s %-20s %4d %9ld", pszGame,
                          line.strName.empty() ? "(no win)" : line.strName.c_str(),
                          line.nMultiplier, line.nHands);
            rows.push_back(szRow);
        }
    }
    ExpectGolden(std::string(HANDFALL_GOLDEN_DIR) + "/all_hands.txt", rows);
    EXPECT_TRUE(GetPayTable(0).empty() && GetPayTable(5).empty());
}

}  // namespace
