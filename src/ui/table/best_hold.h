// The best hold of the deal on the table, applied as the player's own clicks would be.
#pragma once

#include <memory>

class CMultiHandDlg;
class CQtDialogHost;

// Only between Deal and Draw, while the hold buttons take clicks.
bool CanApplyBestHold(const CMultiHandDlg& dlg);
// The mask of the best hold (bit i: keep position i) of the main hand under the table's pay
// table and bet; -1 without a deal or while the outcome table is not built yet.
int BestHoldMask(const CMultiHandDlg& dlg);
// Sets the five hold marks and captions to the best hold by clicking each hold button whose
// mark differs. Returns false when there was nothing to do it on.
bool ApplyBestHold(CMultiHandDlg& dlg);

// The key H and the window menu item "Best Hold" on the table's host, each acting only between
// Deal and Draw. Before the outcome table exists it is built off the window's thread and the
// hold applied when it is there, if the same deal is still waiting for its draw.
void InstallBestHold(CQtDialogHost& host, CMultiHandDlg& dlg);
