#include <gtest/gtest.h>

#include "game_test_util.h"
#include "games/game_jack_or_better.h"

namespace {

TEST(JackOrBetter, ScoresEachCategoryAtItsBoundaries) {
    const CHandCase kCases[] = {
        {"10h Jh Qh Kh Ah", "Royal Flush", 250},
        {"Ah Kh Qh Jh 10h", "Royal Flush", 250},  // position order does not matter
        {"9s 10s Js Qs Ks", "Straight Flush", 50},
        {"2c 3c 4c 5c 6c", "Straight Flush", 50},
        {"Ad 2d 3d 4d 5d", "Flush", 6},  // no ace-low straight
        {"Ac 2d 3h 4s 5c", "", 0},
        {"2c 3d 4h 5s 6c", "Straight", 4},
        {"10c Jd Qh Ks Ac", "Straight", 4},
        {"Jc Qd Kh As 2c", "", 0},  // no straight around the corner
        {"2h 5h 8h Jh Kh", "Flush", 6},
        {"10c 10d 4h 7s Kc", "", 0},  // tens are no high pair
        {"Jc Jd 4h 7s Kc", "Pair", 1},
        {"Ac Ad 4h 7s Kc", "Pair", 1},
        {"2c 2d 3h 3s 9c", "2 Pair", 2},
        {"Ac Ad Kh Ks 9c", "2 Pair", 2},
        {"5c 5d 5h 9s Kc", "3 of a Kind", 3},
        {"5c 5d 5h 9s 9c", "Full House", 9},
        {"Ac Ad Ah 2s 2c", "Full House", 9},
        {"9c 9d 9h 9s Kc", "4 of a Kind", 25},
        {"2c 2d 2h 2s Kc", "4 of a Kind", 25},
        {"XX XX XX XX XX", "", 0},
    };
    ExpectScores<CGameJackOrBetter>(kCases);
}

}  // namespace
