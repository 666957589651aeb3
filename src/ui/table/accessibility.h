// What screen readers need beyond what Qt's widgets tell by themselves: names for the controls
// whose captions are empty or missing, the pay tables' texts, and the painted hands.
#pragma once

class CMultiHandDlg;
class CQtDialogHost;
class QAbstractItemView;

// Registers the program's accessibility interfaces with Qt; once per process, more is harmless.
void InstallAccessibility();

// Names the host's controls (a hold button reads its card, "Hold 9 of hearts", or "Hold card 1"
// before a deal; the fields "Bet", "Hands", "Coins"; the results list "Results"), and
// describes the keys that act on them.
void NameControls(CQtDialogHost& host);

// On the table window: tells screen readers which hands changed each time it is painted.
void WatchHandChanges(CQtDialogHost& host);

// A list whose lines report the focus only while the list has it, and which tells its first
// line when the focus comes to it by keyboard.
void KeepListFocusTrue(QAbstractItemView& view);

// On the table window: play told as it happens (see CTableSpeaker), the focus kept on Deal or
// Draw as they take turns, the results list's focus kept true.
void InstallTableSpeech(CQtDialogHost& host, CMultiHandDlg& dlg);
