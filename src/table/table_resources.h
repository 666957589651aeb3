// The table's resources that need no window system: the two dialog templates and the strings.
#pragma once

#include <array>
#include <string>

#include "platform/dialog_template.h"

const CDialogTemplate& MultiHandDialogTemplate();
// The pay table with each game's text (by game code, 1 to 4) in its group; the template points
// into the texts, which must outlive it.
CDialogTemplate PayTableDialogTemplate(const std::array<std::string, 5>& arrTexts);
// Registers the string table (about item, start-up failure message).
void RegisterTableStrings();
