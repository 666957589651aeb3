// What the player chose on the Pay Tables dialog, kept in the settings store: the table each
// game plays and the player's own tables. Coins are not kept. The keys under "own/" and the
// games' keys under "games/" are the pay tables' own; every other key is left as it is.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "games/pay_table.h"

class CSettingsStore;

struct CPayTableSettings {
    std::vector<CPayTable> vecOwn;
    // By game code: the name of the table the game plays, "" for the one as built.
    std::array<std::string, 5> arrChosen;
    // Entries were skipped as they were read: the file keeps them until it is next written,
    // and is copied aside first.
    bool bSkipped = false;
};

// The pay tables' entries of the store; a bad entry is skipped, the rest apply. Returns the
// lines for standard error: what the store could not read, and each entry skipped.
std::vector<std::string> ReadPayTableSettings(const CSettingsStore& store,
                                              CPayTableSettings& settings);
// "" or why the settings could not be kept. Clears bSkipped once written.
std::string WritePayTableSettings(const CSettingsStore& store, CPayTableSettings& settings);
