// The table's resources that need no window system: the two dialog templates and the strings.
#pragma once

#include "platform/dialog_template.h"

const CDialogTemplate& MultiHandDialogTemplate();
const CDialogTemplate& PayTableDialogTemplate();
// Registers the string table (about item, start-up failure message).
void RegisterTableStrings();
