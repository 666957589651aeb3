#include <gtest/gtest.h>

#include "game_test_util.h"
#include "games/game_bonus.h"
#include "games/game_double_bonus.h"

namespace {

// The two variants share every step; where they pay differently, Bonus comes first.
struct CBonusCase {
    const char* pszHand;
    const char* pszName;
    int nBonus;
    int nDoubleBonus;
};

constexpr CBonusCase kCases[] = {
    {"Ac Ad Ah As Kc", "4 Aces", 80, 160},
    {"2c 2d 2h 2s Kc", "4 of a Kind (2,3,4)", 40, 80},
    {"3c 3d 3h 3s 9c", "4 of a Kind (2,3,4)", 40, 80},
    {"4c 4d 4h 4s Ac", "4 of a Kind (2,3,4)", 40, 80},
    {"5c 5d 5h 5s Kc", "4 of a Kind (5-K)", 25, 50},
    {"Kc Kd Kh Ks 2c", "4 of a Kind (5-K)", 25, 50},
    {"10h Jh Qh Kh Ah", "Royal Flush", 250, 250},
    {"9s 10s Js Qs Ks", "Straight Flush", 50, 50},
    {"Ad 2d 3d 4d 5d", "Flush", 5, 7},
    {"2c 3d 4h 5s 6c", "Straight", 4, 5},
    {"10c Jd Qh Ks Ac", "Straight", 4, 5},
    {"Ac 2d 3h 4s 5c", "", 0, 0},
    {"5c 5d 5h 9s 9c", "Full House", 8, 10},
    {"Ac Ad Ah Ks Kc", "Full House", 8, 10},
    {"7c 7d 7h 9s Kc", "3 of a Kind", 3, 3},
    {"2c 2d 3h 3s 9c", "2 Pair", 2, 1},
    {"Jc Jd 4h 7s Kc", "Pair", 1, 1},
    {"10c 10d 4h 7s Kc", "", 0, 0},
    {"XX XX XX XX XX", "", 0, 0},
};

TEST(Bonus, ScoresEachCategoryAtItsBoundaries) {
    const CTestCards cards;
    for (const CBonusCase& c : kCases) {
        EXPECT_EQ(ScoreHand<CGameBonus>(cards, c.pszHand), (CScore{c.pszName, c.nBonus}))
            << "hand " << c.pszHand;
    }
}

TEST(DoubleBonus, ScoresEachCategoryAtItsBoundaries) {
    const CTestCards cards;
    for (const CBonusCase& c : kCases) {
        EXPECT_EQ(ScoreHand<CGameDoubleBonus>(cards, c.pszHand),
                  (CScore{c.pszName, c.nDoubleBonus}))
            << "hand " << c.pszHand;
    }
}

}  // namespace
