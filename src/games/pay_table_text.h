// The player's own pay tables as plain text, as the settings keep them, and the tables a game
// may be given to play.
#pragma once

#include <string>
#include <vector>

#include "games/pay_table.h"

// A player's table pays each category the same per coin at every bet, but the royal flush,
// which pays its own entry at 1 to 4 coins and nRoyalAtMaxBet at 5 coins.
CPayTable MakePlayerPayTable(const CFamily& family, std::string strName, const CRules& rules,
                             const std::vector<int>& vecPays, int nRoyalAtMaxBet);

// One player's table in words: the family's key ("jacks"), "casino" or "as-built", the pays
// at 1 coin in pay-table order separated by spaces, and the royal's pay per coin at 5 coins.
struct CPayTableText {
    std::string strName;
    std::string strFamily;
    std::string strRules;
    std::string strPays;
    std::string strRoyalAtMaxBet;
};
CPayTableText FormatPayTable(const CPayTable& table);
// "" and the table, or why the text is no playable table, naming the field; table unchanged.
std::string ParsePayTable(const CPayTableText& text, CPayTable& table);

// "" and the pay, or why strText is no pay: a whole number written plainly, from 0 to
// MAX_PAY_PER_COIN. nPay unchanged on a refusal.
std::string ParsePay(const std::string& strText, int& nPay);

// What a game may play: the table as built first, then the library's tables listed under its
// box (the games descended from it, of any family), the rest of its family's, then every one of
// the player's own, of any family.
std::vector<CPayTable> PayTableChoices(int nGame, const std::vector<CPayTable>& vecOwn);
// "" when the player may keep the table among vecOwn (minus the one at nSkip), else why not:
// a table the game or library already has, or one of their own, by that name.
std::string CheckOwnTableName(const CPayTable& table, const std::vector<CPayTable>& vecOwn,
                              int nSkip = -1);
