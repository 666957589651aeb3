// Keyboard play on the table window. Each key names controls in order of preference and gives
// the command of the first one that is enabled, so a key acts exactly where a click could.
// Captions, the default button (Enter opens the pay table) and Space on a focused button stay
// as they are.
#pragma once

#include <span>

class CQtDialogHost;

struct CTableKey {
    const char* pszKey;   // QKeySequence text
    int arrIDs[2];        // controls tried in order; 0 ends the list
    const char* pszWhat;  // what the key does, for the key list
};

// The table's keys: 1 to 5 toggle the holds, D deals or draws.
std::span<const CTableKey> TableKeys();

// Sends the command of the key's first enabled control; false when none is enabled.
bool PressTableKey(CQtDialogHost& host, const CTableKey& key);

// One window shortcut per key on the table's host.
void InstallTableKeys(CQtDialogHost& host);
