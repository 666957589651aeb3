// The one list of the game variants. Everything the program says or does differently per
// variant stands in its row, so a new variant is a class of its own and one row here.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "games/game.h"
#include "games/pay_table.h"

struct CGameVariant {
    int nGame;  // the game code the table keeps
    // The table's check box and the Pay Table's group: these keep the table's own spelling.
    const char* pszCaption;
    const char* pszName;  // the game's name everywhere else: coach, Pay Tables, handfall-odds
    const char* pszCommandName;  // what handfall-odds --game takes
    const char* pszFamily;       // the key of its family
    const CFamily& Family() const { return GetFamily(pszFamily); }
    // The pay table's text for the variant; {n} stands for the pay of category n.
    const char* pszPayTable;
    std::unique_ptr<CGame> (*pfnCreate)(CHand* pHand, const CPayTable* pTable, int nBet);
};

// Every variant, in game-code order.
std::span<const CGameVariant> GameVariants();

// Null for a code or name that no variant has; the name in any case.
const CGameVariant* FindGameVariant(int nGame);
const CGameVariant* FindGameVariant(std::string_view strCommandName);

// The table the variant plays as built: ace high only, the royal 250 per coin at every bet.
// An empty Jacks or Better table for a code no variant has.
const CPayTable& AsBuiltPayTable(int nGame);

// The variant's pay table text at a bet, every {n} replaced by what category n pays per coin;
// a line whose category pays nothing is left out. A table of another family gets a line per
// category of its own family.
std::string PayTableText(const CGameVariant& variant, const CPayTable& table, int nBet);
