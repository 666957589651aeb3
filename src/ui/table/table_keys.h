// Keyboard play on the table window. Each key names controls in order of preference and acts
// on the first one that is enabled, so a key acts exactly where a click could. Captions, the
// default button (Enter opens the pay table) and Space on a focused button stay as they are.
#pragma once

#include <functional>
#include <span>

class CQtDialogHost;
class QWidget;

enum class ETableKeyAction {
    Command,   // the control's command, as a click
    Spin,      // one click of the up-down control by nDelta
    NextGame,  // the game box below the checked one, the last going round to the first
};

struct CTableKey {
    const char* pszKey;  // QKeySequence text
    int arrIDs[4];       // controls tried in order; 0 ends the list
    ETableKeyAction eAction;
    int nDelta;           // for a spin
    const char* pszWhat;  // what the key does, for the key list
};

// The table's keys: 1 to 5 toggle the holds, D deals or draws, + and - change the bet, . and ,
// the hands (> and < by 10), G picks the next game.
std::span<const CTableKey> TableKeys();

// Acts on the key's first enabled control; false when none is enabled.
bool PressTableKey(CQtDialogHost& host, const CTableKey& key);

// One window shortcut per key on the table's host.
void InstallTableKeys(CQtDialogHost& host);

// A letter of its own at the table for what opens beside it (the coach's C, Best Hold's H, Pay
// Tables' T), so a window needs no window menu, which desktops keep Alt+Space for. Each window
// to come takes a letter no key of the table or the coach has.
void InstallWindowKey(CQtDialogHost& host, const char* pszKey, std::function<void()> action);

// Every shortcut of the table's host, and Enter for its default button, acting at the table
// while pWindow has the focus too; pWindow's own widgets keep only the keys no shortcut takes.
void ShareTableKeys(CQtDialogHost& host, QWidget& window);
