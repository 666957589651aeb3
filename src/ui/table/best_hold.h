// The best hold of the deal on the table, applied as the player's own clicks would be.
#pragma once

#include <array>
#include <memory>

class CHoldAnalyzer;
class CMultiHandDlg;
class CQtDialogHost;

class CBestHoldAdvisor {
public:
    CBestHoldAdvisor();
    ~CBestHoldAdvisor();
    CBestHoldAdvisor(const CBestHoldAdvisor&) = delete;
    CBestHoldAdvisor& operator=(const CBestHoldAdvisor&) = delete;

    // Only between Deal and Draw, while the hold buttons take clicks.
    static bool CanApply(const CMultiHandDlg& dlg);
    // Sets the five hold marks and captions to the best hold by clicking each hold button
    // whose mark differs. Returns false when there was nothing to do it on.
    bool Apply(CMultiHandDlg& dlg);
    // The mask of the best hold (bit i: keep position i) of the main hand, -1 without a deal.
    int BestHoldMask(const CMultiHandDlg& dlg);

private:
    // Each game's analyser is built on first use (a table of every hand's pay) and kept.
    const CHoldAnalyzer& Analyzer(int nGame);

    std::array<std::unique_ptr<CHoldAnalyzer>, 5> m_analyzers;
};

// The key H and the window menu item "Best Hold" on the table's host, each acting only between
// Deal and Draw.
void InstallBestHold(CQtDialogHost& host, CMultiHandDlg& dlg);
