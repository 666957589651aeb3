// Cards and the screen's symbols in words, as a screen reader is given them.
#include <gtest/gtest.h>

#include <utility>

#include "model/card_words.h"
#include "support/test_cards.h"

namespace {

TEST(CardWords, CardsReadAsRankOfSuit) {
    const CTestCards cards;
    const std::pair<const char*, const char*> cases[] = {
        {"9h", "9 of hearts"},      {"10s", "10 of spades"},   {"2c", "2 of clubs"},
        {"Jd", "jack of diamonds"}, {"Qh", "queen of hearts"}, {"Ks", "king of spades"},
        {"Ac", "ace of clubs"}};
    for (const auto& [pszCard, pszText] : cases)
        EXPECT_EQ(CardWords(cards.Parse(pszCard)), pszText);
    EXPECT_EQ(CardWords(cards.Back()), "card back");
    EXPECT_EQ(CardWords(cards.Joker()), "Joker");
    EXPECT_EQ(CardWords(nullptr), "");
}

// Cards in a row become a list; a rank and suit inside a word stay as they are; the current
// mark and a rule of equals signs are not read as symbols.
TEST(CardWords, SymbolsInShownTextAreSpeltOut) {
    const std::pair<const char*, const char*> cases[] = {
        {"9\u2665 9\u2663", "9 of hearts, 9 of clubs"},
        {"Dealt 9\u2665 8\u2666 K\u2665 9\u2663 7\u2665 (bet 1 on 50 hands)",
         "Dealt 9 of hearts, 8 of diamonds, king of hearts, 9 of clubs, 7 of hearts (bet 1 on "
         "50 hands)"},
        {"10\u2660 T\u2666 A\u2660", "10 of spades, 10 of diamonds, ace of spades"},
        {"(Q\u2663 J\u2663)", "(queen of clubs, jack of clubs)"},
        {"\u25B6 2 Pair", "current: 2 Pair"},
        {"X9\u2665", "X9\u2665"},
        {"2 Pair 23.95 coins", "2 Pair 23.95 coins"},
        {"==========", ""},
        {"", ""},
    };
    for (const auto& [pszShown, pszWords] : cases)
        EXPECT_EQ(SymbolsAsWords(pszShown), pszWords) << pszShown;
}

}  // namespace
