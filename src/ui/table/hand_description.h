// The table's hands told as text, for screen readers: what painting shows, in words.
#pragma once

#include <string>

class CMultiHandDlg;

// "Main hand" for hand 0, "Hand 12" for the others.
std::string HandTitle(int nIndex);

// The hand as painted: "Hand 12: 9 of hearts, 9 of spades, 4 of clubs, 9 of diamonds, 4 of
// spades — Full House", the category being the selected game's, as its label reads; five backs
// read "Hand 12: face down". The main hand marks its held cards. A closed table reads the title.
std::string DescribeHand(const CMultiHandDlg& dlg, int nIndex);
