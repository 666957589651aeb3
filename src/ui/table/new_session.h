// The window menu's "New Session", which starts over as a new run would, and the disabled Deal
// button's tip saying why no deal is possible.
#pragma once

class CCoachWindow;
class CMultiHandDlg;
class CQtDialogHost;

// Asks first when the session has deals; the coach's session starts over with the table's.
void InstallNewSession(CQtDialogHost& host, CMultiHandDlg& dlg, CCoachWindow& coach);
// Deal's tool tip says why it is disabled whenever the stake is more than the coins.
void InstallDealTip(CQtDialogHost& host, const CMultiHandDlg& dlg);
