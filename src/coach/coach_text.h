// The coach's words for counts and amounts, kept apart from the window so that they read right
// in every case without a screen: "1 hand" and "50 hands", a rare category's "< 0.01 hands",
// and why no deal is possible.
#pragma once

#include <string>

#include "coach/coach.h"

// "1 hand", "50 hands".
std::string HandsText(int nHands);
// "1 coin", "250 coins".
std::string CoinsText(std::int64_t nCoins);
// Hands to expect, to two places: "12.34 hands", "< 0.01 hands" for what two places would show
// as none, "0 hands" for what cannot come up.
std::string ExpectedHandsText(const CFraction& hands);
// The game a deal was played, with its pay table unless that is the game's own as built:
// "Jacks or Better", "Jacks or Better 9/6", "Jacks or Better, My table".
std::string DealGameText(const CCoachDeal& deal);
// Why Deal is disabled while the table is ready: "The stake, 250 coins, is more than your 211
// coins"; "" when the stake is covered or a deal is in play.
std::string UncoveredStakeText(const CMultiHandDlg& dlg);
// A figure of the coach as a screen reader says it, from what the window shows beside its
// caption: "Deals played: 2"; shown text that names itself keeps its own words, its label
// given as the caption ("Cost: 23.95 coins" under "Cost of your hold" reads "Cost of your hold:
// 23.95 coins"; "Dealt 9♥ ..." under "Deal" reads "Dealt 9 of hearts, ..."). Symbols are spelt
// out; nothing shown reads the caption alone.
std::string FigureSpeech(const std::string& strCaption, const std::string& strShown);
