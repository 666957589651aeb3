// What the table says to a screen reader as play goes on, and how its controls and lines read
// aloud. The screen's own texts stay as they are; these are the words beside them. The results
// list's words are in results_lines.h, with the lines.
#pragma once

#include <string>

class CMultiHandDlg;

// "Hold 9 of hearts" while card nIndex (0 to 4) of the main hand is face up, "Hold card 1"
// otherwise.
std::string HoldButtonName(const CMultiHandDlg& dlg, int nIndex);

// After a deal: "Dealt 9 of hearts, 8 of diamonds, king of hearts, 9 of clubs, 7 of hearts".
std::string DealtSpeech(const CMultiHandDlg& dlg);
// After a hold toggle: "9 of hearts held" or "9 of hearts released".
std::string HoldSpeech(const CMultiHandDlg& dlg, int nIndex);
// The hold as a whole, after Best Hold: "Holding 9 of hearts, 9 of clubs"; "Holding nothing".
std::string HeldSpeech(const CMultiHandDlg& dlg);
// After a draw: "Main hand Full House. Won 45 coins"; a losing main hand is "no win".
std::string DrawnSpeech(const CMultiHandDlg& dlg);

// A line of a pay table as the Pay Table dialog shows it ("Royal Flush\t250", "\twith 2's\t25")
// in words: "Royal Flush: 250 per coin", "with 2's: 25 per coin".
std::string PayLineSpeech(const std::string& strLine);
