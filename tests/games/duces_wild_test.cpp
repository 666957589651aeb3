#include <gtest/gtest.h>

#include "game_test_util.h"
#include "games/game_duces_wild.h"

namespace {

TEST(DucesWild, ScoresEachCategoryAtItsBoundaries) {
    const CHandCase kCases[] = {
        {"2c 2d 2h 2s Ah", "4 Wild", 200},
        {"2c 2d 2h 2s Kh", "4 Wild", 200},  // before any royal flush
        {"10h Jh Qh Kh Ah", "Royal Flush", 250},
        {"2c Jh Qh Kh Ah", "Royal Flush w/2's", 25},
        {"2c 2d 2h Kh Ah", "Royal Flush w/2's", 25},  // not four of a kind
        {"2c 2d 2h 9s 9h", "5 of a Kind", 15},
        {"2c Ac Ad Ah As", "5 of a Kind", 15},
        {"2c 2d 5h 6h 7h", "Straight Flush", 9},
        {"2c 2d 2h 5h 9h", "Straight Flush", 9},  // not four of a kind
        {"3h 4h 5h 6h 7h", "Straight Flush", 9},
        {"2c 2d 2h 5h Jh", "4 of a Kind", 5},
        {"2c 2d 2h Ah 5h", "4 of a Kind", 5},  // no ace-low straight flush
        {"9c 9d 9h 9s Kc", "4 of a Kind", 5},
        {"2c 9d 9h 9s Kc", "4 of a Kind", 5},
        {"2c 9d 9h Ks Kc", "Full House", 3},
        {"9c 9d 9h Ks Kc", "Full House", 3},
        {"2c 5h 8h Jh Kh", "Flush", 2},
        {"2c 2d Ah 3h 4h", "Flush", 2},  // better than its three of a kind
        {"2c 3d 4h 5s 6c", "Straight", 2},
        {"10c Jd Qh 2s Ac", "Straight", 2},
        {"2c 2d 3h 4s 6c", "Straight", 2},
        {"Ac 2d 3h 4s 5c", "", 0},  // A-2-3-4-5 is no straight
        {"2c 9d 9h 4s Kc", "3 of a Kind", 1},
        {"2c 2d 4s 9d Kc", "3 of a Kind", 1},
        {"9c 9d 9h 4s Kc", "3 of a Kind", 1},
        {"9c 9d Kh Ks 4c", "", 0},  // two pairs pay nothing
        {"Ac Ad 4h 7s Kc", "", 0},
        {"2c 4d 7h 9s Kc", "", 0},  // a lone 2 makes only a pair
        {"XX XX XX XX XX", "", 0},
    };
    ExpectScores<CGameDucesWild>(kCases);
}

TEST(DucesWild, FourDeucesAreFourWildWhateverTheFifthCard) {
    const CTestCards cards;
    for (int i = 0; i < cards.All().GetSize(); ++i) {
        CCard* pFifth = cards.All()[i];
        if (pFifth->GetRank() == 2) continue;
        const std::string text = "2c 2d 2h 2s " + CardText(pFifth);
        EXPECT_EQ(ScoreHand<CGameDucesWild>(cards, text), (CScore{"4 Wild", 200})) << text;
    }
}

}  // namespace
