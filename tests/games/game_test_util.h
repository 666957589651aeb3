// Scoring a hand written as text under one variant, for the rule tables.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <ostream>
#include <string>

#include "support/test_cards.h"

struct CScore {
    std::string strName;
    int nPayout;
    friend bool operator==(const CScore&, const CScore&) = default;
};

inline std::ostream& operator<<(std::ostream& os, const CScore& score) {
    return os << '"' << score.strName << "\", " << score.nPayout;
}

// Both what the constructor kept and what a fresh Evaluate gives, which must agree.
template <class TGame>
CScore ScoreHand(const CTestCards& cards, const std::string& text) {
    CHand hand = cards.Hand(text);
    TGame game(&hand);
    std::string strAgain = "stale";
    const int nAgain = game.Evaluate(strAgain);
    EXPECT_EQ(strAgain, game.GetName()) << text;
    EXPECT_EQ(nAgain, game.GetPayout()) << text;
    return {game.GetName(), game.GetPayout()};
}

struct CHandCase {
    const char* pszHand;
    const char* pszName;
    int nPayout;
};

template <class TGame, std::size_t N>
void ExpectScores(const CHandCase (&cases)[N]) {
    const CTestCards cards;
    for (const CHandCase& c : cases) {
        EXPECT_EQ(ScoreHand<TGame>(cards, c.pszHand), (CScore{c.pszName, c.nPayout}))
            << "hand " << c.pszHand;
    }
}
