// The casino pay tables players meet, as data: one row each.
#pragma once

#include <span>
#include <string_view>

#include "games/pay_table.h"

struct CLibraryPayTable {
    int nGame;             // the game it is listed under first
    const char* pszShort;  // the name within its game, as --pays takes it: "9/6"
    CPayTable table;       // strName is the full name: "Jacks or Better 9/6"
};

// Every table of the library, game by game.
std::span<const CLibraryPayTable> PayTableLibrary();

// The library's table of a family by full name, or by short name: first among those listed
// under nGame (0: any game of the family), then among the family's; either in any case. Null
// when there is none.
const CLibraryPayTable* FindLibraryPayTable(const CFamily& family, int nGame,
                                            std::string_view strName);
