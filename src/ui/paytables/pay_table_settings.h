// What the player chose on the Pay Tables dialog, kept across runs in an ini file under the
// XDG config home: the table each game plays and the player's own tables. Coins are not kept.
#pragma once

#include <QString>

#include <array>
#include <string>
#include <vector>

#include "games/pay_table.h"

struct CPayTableSettings {
    std::vector<CPayTable> vecOwn;
    // By game code: the name of the table the game plays, "" for the one as built.
    std::array<std::string, 5> arrChosen;
};

// $XDG_CONFIG_HOME/handfall/handfall.ini.
QString PayTableSettingsPath();
// "" and what the file says, or one line saying why the settings are the defaults (a missing,
// unreadable or malformed file, a table that cannot be played, a name no table has).
std::string ReadPayTableSettings(const QString& strPath, CPayTableSettings& settings);
// False when the file could not be written.
bool WritePayTableSettings(const QString& strPath, const CPayTableSettings& settings);
