// Building an analyzer or the engine's counts scores all 2,598,960 hands, so each table the tests
// use is built once per test program and shared. The analyzers are the second, independent count
// (its own reading of hands, its own enumeration) that the engine is checked against.
#pragma once

#include <array>
#include <string>

#include "analysis/outcome_table.h"
#include "games/pay_table.h"
#include "support/oracle/hold_analyzer.h"

// A deal as card codes from text such as "Jh Qh Kh 10h 2c"; missing cards are NO_CARD_CODE.
std::array<int, 5> Codes(const std::string& strDeal);

// The variant of a game code as built, and its full-pay table (see OraclePay).
const CHoldAnalyzer& GameAnalyzer(int nGame);
const CHoldAnalyzer& StandardAnalyzer(int nGame);
// The engine's counts a pay table is played on, built once per test program.
const COutcomeTable& Counts(const CPayTable& table);
// The library's table of a family by name.
const CPayTable& Library(const CFamily& family, const char* pszName);
