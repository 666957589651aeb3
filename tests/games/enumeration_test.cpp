// Every five-card hand of one deck, scored by every variant: the counts per pay-table line are the
// published figures, as built with no ace-low straight (golden/all_hands.txt) and under casino
// rules at 5 coins (golden/all_hands_casino.txt, where A-2-3-4-5 adds 4 straight flushes and 1020
// straights to Jacks or Better). The lines, in pay-table order with their pays, are pinned too.
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
#include "games/game_variants.h"
#include "games/pay_table_library.h"
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
    CTally(const CPayTable& table, int nBet) {
        for (int c = 0; c < table.CategoryCount(); ++c)
            lines.push_back({table.PayingName(c, nBet), table.Pay(c, nBet), 0});
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
    const CPayTable& asBuiltDeuces = AsBuiltPayTable(GAME_DUCES_WILD);
    const CPayTable& asBuiltJacks = AsBuiltPayTable(GAME_JACKS_OR_BETTER);
    const CPayTable& asBuiltBonus = AsBuiltPayTable(GAME_BONUS);
    const CPayTable& asBuiltDoubleBonus = AsBuiltPayTable(GAME_DOUBLE_BONUS);
    CTally deuces(asBuiltDeuces, 1), jacks(asBuiltJacks, 1), bonus(asBuiltBonus, 1),
        doubleBonus(asBuiltDoubleBonus, 1);
    const CPayTable& casinoJacks = FindLibraryPayTable(GetFamily("jacks"), 0, "9/6")->table;
    const CPayTable& casinoDeuces = FindLibraryPayTable(GetFamily("deuces"), 0, "full-pay")->table;
    const CPayTable& casinoBonus = FindLibraryPayTable(GetFamily("bonus"), 0, "8/5")->table;
    CTally casinoJacksTally(casinoJacks, 5), casinoDeucesTally(casinoDeuces, 5),
        casinoBonusTally(casinoBonus, 5);
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
                        deuces.Add(CGameDucesWild(&hand, asBuiltDeuces));
                        jacks.Add(CGameJackOrBetter(&hand, asBuiltJacks));
                        bonus.Add(CGameBonus(&hand, asBuiltBonus));
                        doubleBonus.Add(CGameDoubleBonus(&hand, asBuiltDoubleBonus));
                        casinoJacksTally.Add(CGameJackOrBetter(&hand, casinoJacks, 5));
                        casinoDeucesTally.Add(CGameDucesWild(&hand, casinoDeuces, 5));
                        casinoBonusTally.Add(CGameBonus(&hand, casinoBonus, 5));
                    }
                }
            }
        }
    }
    EXPECT_EQ(nHands, 2'598'960);

    // One row per pay-table line: the variant, the line, its multiplier and its hands.
    auto rows = [](std::initializer_list<std::pair<const char*, const CTally*>> tallies) {
        std::vector<std::string> vecRows;
        for (const auto& [pszGame, pTally] : tallies) {
            for (const CTally::CLine& line : pTally->lines) {
                char szRow[80];
                std::snprintf(szRow, sizeof szRow, "%-16s %-20s %4d %9ld", pszGame,
                              line.strName.empty() ? "(no win)" : line.strName.c_str(),
                              line.nMultiplier, line.nHands);
                vecRows.push_back(szRow);
            }
        }
        return vecRows;
    };
    ExpectGolden(std::string(HANDFALL_GOLDEN_DIR) + "/all_hands.txt",
                 rows({{"Jacks or Better", &jacks},
                       {"Duces Wild", &deuces},
                       {"Bonus", &bonus},
                       {"Double Bonus", &doubleBonus}}));
    ExpectGolden(std::string(HANDFALL_GOLDEN_DIR) + "/all_hands_casino.txt",
                 rows({{"Jacks 9/6", &casinoJacksTally},
                       {"Deuces full pay", &casinoDeucesTally},
                       {"Bonus 8/5", &casinoBonusTally}}));
}

}  // namespace
