// What a command of handfall-odds works on, read from its options and checked: the games and
// their pay tables, the bet, the dealt cards and the hold.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "analysis/outcome_table.h"
#include "cli/odds_options.h"
#include "games/pay_table.h"

constexpr int kDefaultGame = GAME_JACKS_OR_BETTER;

// A variant, or a family of the library that no variant is named after, with the table played.
struct CRequest {
    const char* pszGame = "";  // the variant's caption or the family's name
    const CFamily* pFamily = &JacksFamily();
    int nGame = 0;  // the variant's code; 0 for a family, which has no table as built
    CPayTable table;
    bool bAsBuilt = true;  // the variant's table as built: no pay table asked for
    int nBet = MAX_BET;
    std::array<int, 5> arrCodes{};
    int nHoldMask = 0;
    int nHands = 0;  // 0: per hand only
};

// The game of --game, or the default one; with bEveryGame and no --game, every variant where
// each plays its own table as built. Each with the pay table of --pays and --rules. An error
// message, or "".
std::string ReadRequests(const COddsOptions& options, bool bEveryGame,
                         std::vector<CRequest>& vecRequests);

// Five cards of the family's deck, none twice. An error message, or "".
std::string ReadDeal(const std::vector<std::string>& vecWords, const CFamily& family,
                     std::array<int, 5>& arrCodes);
// The cards of --hold, each in the request's deal once. An error message, or "".
std::string ReadHold(const COddsOptions& options, CRequest& request);

// The title of a listing: the game, and the table where it is not the variant's as built.
std::string Title(const CRequest& request);

// The outcome counts of the table's family and rules, made once.
const COutcomeTable& Counts(const CPayTable& table, const CProgressFunction& progress = {});
