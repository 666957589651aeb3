// What screen readers need beyond what Qt's widgets tell by themselves: names for the controls
// whose captions are empty or missing, the pay tables' texts, and the painted hands.
#pragma once

class CQtDialogHost;

// Registers the program's accessibility interfaces with Qt; once per process, more is harmless.
void InstallAccessibility();

// Names the host's controls (a hold button reads "Hold card 1", then its caption when it has
// one; the fields "Bet", "Hands", "Coins"; the results list "Results"), and describes the keys
// that act on them.
void NameControls(CQtDialogHost& host);

// On the table window: tells screen readers which hands changed each time it is painted.
void WatchHandChanges(CQtDialogHost& host);
