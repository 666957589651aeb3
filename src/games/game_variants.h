// The one list of the game variants. Everything the program says or does differently per
// variant stands in its row, so a new variant is a class of its own and one row here.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "games/game.h"

struct CGameVariant {
    int nGame;                   // the game code the table keeps
    const char* pszCaption;      // the check box, the pay table's group and the command's title
    const char* pszCommandName;  // what handfall-odds --game takes
    // Pay-table order, the losing hand last; Evaluate scores from these and nothing else.
    std::span<const CPayLine> lines;
    // The pay table's text for the variant; {n} stands for the multiplier of line n.
    const char* pszPayTable;
    std::unique_ptr<CGame> (*pfnCreate)(CHand* pHand);
};

// Every variant, in game-code order.
std::span<const CGameVariant> GameVariants();

// Null for a code or name that no variant has.
const CGameVariant* FindGameVariant(int nGame);
const CGameVariant* FindGameVariant(std::string_view strCommandName);

// The variant's pay table text with every {n} replaced by the multiplier of line n.
std::string PayTableText(const CGameVariant& variant);
