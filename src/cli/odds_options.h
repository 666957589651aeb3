// handfall-odds' command line: a table of its options, and what a command line asks for.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/session_outcomes.h"
#include "games/game_variants.h"

enum class EOddsOption {
    Game,
    Pays,
    Rules,
    Bet,
    Hands,
    Hold,
    Return,
    BreakEven,
    Session,
    Bankroll,
    Rounds,
    Strategy,
    ChartHolds,
    Simple,
    List,
    Help,
    Version
};

struct COptionSpec {
    EOddsOption eOption;
    const char* pszName;       // as typed: "--game"
    const char* pszValueName;  // what it takes, for messages: "a game"; null for a switch
};

// The names --game takes: the variants' ("deuces, jacks, bonus or double-bonus"), the keys of the
// library's families that no variant is named after ("tens, ... or joker"), and both.
std::string VariantNames();
std::string FamilyNames();
std::string GameNames();

// Every option, in the order --help lists them.
const std::vector<COptionSpec>& OddsOptionSpecs();

struct COddsOptions {
    std::vector<EOddsOption> vecGiven;  // in the order given, each at most once
    const CGameVariant* pVariant = nullptr;
    const CFamily* pFamily = nullptr;  // --game named a family that no variant is named after
    std::string strPays;
    std::string strRules;
    std::optional<int> nBet;
    std::optional<int> nHands;
    std::optional<int> nBankroll;  // coins
    std::optional<int> nRounds;
    std::vector<std::string> vecHeldWords;
    std::vector<std::string> vecCardWords;

    bool Has(EOddsOption eOption) const;
};

// Reads the arguments in order; --help and --version end the reading. Every value is checked
// as soon as it is read. An error message, or "".
std::string ReadOddsOptions(const std::vector<std::string>& vecArgs, COddsOptions& options);
