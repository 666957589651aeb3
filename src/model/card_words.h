// Cards in words, as a screen reader should say them: what the pictures and the symbols on the
// screen ("9♥", "▶") show, spelt out.
#pragma once

#include <string>

class CCard;

// The rank a letter or digit stands for in the card syntax ("2" to "9", "T", "J", "Q", "K",
// "A", upper case); 0 for any other.
int RankOfLetter(char c);
// "9", "10", "jack", "queen", "king", "ace".
std::string RankWords(int nRank);
// "clubs", "diamonds", "hearts", "spades"; "" for any other code.
std::string SuitWords(int nSuit);
// "9 of hearts", "queen of spades"; "Joker" for the joker, whatever its rank.
std::string CardWords(int nSuit, int nRank);
// As above; "card back" for the back, "" for none.
std::string CardWords(const CCard* pCard);

// Shown text with its symbols spelt out: a run of cards written as rank and suit symbol
// ("9♥ 9♣", "T♠", "10♦") reads "9 of hearts, 9 of clubs"; the current mark "▶" reads
// "current:"; "< 0.01" reads "less than 0.01"; a line of equals signs reads as nothing. Everything
// else is left as it is.
std::string SymbolsAsWords(const std::string& strShown);
