// The table's resources that need no window system: the two dialog templates and the strings.
#pragma once

#include "platform/dialog_template.h"

const CDialogTemplate& MultiHandDialogTemplate();
const CDialogTemplate& PayTableDialogTemplate();
// Registers the string table (about item, start-up failure message).
void RegisterTableStrings();

// The four pay table texts, as the pay table shows them.
extern const char* const g_pszPayTableJacksOrBetter;
extern const char* const g_pszPayTableDucesWild;
extern const char* const g_pszPayTableBonus;
extern const char* const g_pszPayTableDoubleBonus;
