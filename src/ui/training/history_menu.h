// The window menu's "Export &History..." (every decision kept, as CSV, to a file the player
// picks) and "C&lear History..." (after asking).
#pragma once

class CCoachWindow;
class CQtDialogHost;

void InstallHistoryMenu(CQtDialogHost& host, CCoachWindow& coach);
