// The casino pay tables players meet, as data: data/pay_tables.tsv, a row a table, built into the
// program.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "games/pay_table.h"

struct CLibraryPayTable {
    int nGame;             // the game box it is listed under
    std::string strShort;  // the name within its family, as --pays takes it: "9/6"
    CPayTable table;       // strName is the full name: "Jacks or Better 9/6"
};

// Every table of the library, in the data file's order; read once, on the first call.
std::span<const CLibraryPayTable> PayTableLibrary();

// The library's table of a family by full name, or by short name: first among those listed
// under nGame (0: any game of the family), then among the family's; either in any case. Null
// when there is none.
const CLibraryPayTable* FindLibraryPayTable(const CFamily& family, int nGame,
                                            std::string_view strName);

// The data file's text, as the build made it part of the program.
std::string_view PayTableLibraryText();

// The tables of a text in the data file's form: a row a table (the game box by the name
// handfall-odds gives it, the family's key, the short name, the full name and the pays per
// coin at 5 coins, tab-separated), blank lines and lines from '#' skipped. The library is
// written by us, so a row that is no playable table is a broken contract: asserted, left out.
std::vector<CLibraryPayTable> ReadPayTableLibrary(std::string_view strText);
