#include "ui/table/best_hold.h"

#include <QKeySequence>
#include <QShortcut>

#include "analysis/hold_analyzer.h"
#include "platform/dialog.h"
#include "platform/qt/qt_dialog_host.h"
#include "table/multi_hand_dlg.h"
#include "table/resource.h"

CBestHoldAdvisor::CBestHoldAdvisor() = default;

CBestHoldAdvisor::~CBestHoldAdvisor() = default;

bool CBestHoldAdvisor::CanApply(const CMultiHandDlg& dlg) {
    if (!dlg.IsDealt() || dlg.IsClosed() || dlg.GetHost() == nullptr) return false;
    for (int nID : IDC_HOLDS)
        if (!dlg.GetHost()->IsControlEnabled(nID)) return false;
    return true;
}

const CHoldAnalyzer& CBestHoldAdvisor::Analyzer(int nGame) {
    std::unique_ptr<CHoldAnalyzer>& pAnalyzer = m_analyzers[static_cast<size_t>(nGame)];
    if (!pAnalyzer) pAnalyzer = std::make_unique<CHoldAnalyzer>(nGame);
    return *pAnalyzer;
}

int CBestHoldAdvisor::BestHoldMask(const CMultiHandDlg& dlg) {
    if (!dlg.IsDealt() || dlg.GetGame() < 1 || dlg.GetGame() > 4) return -1;
    return Analyzer(dlg.GetGame()).BestHold(dlg.GetHand(0)).nHoldMask;
}

bool CBestHoldAdvisor::Apply(CMultiHandDlg& dlg) {
    if (!CanApply(dlg)) return false;
    const int nMask = BestHoldMask(dlg);
    if (nMask < 0) return false;
    for (int i = 0; i < CMultiHandDlg::kCardsPerHand; ++i) {
        const bool bKeep = (nMask >> i) & 1;
        if (dlg.IsHeld(i) != bKeep) dlg.OnCommand(IDC_HOLDS[i]);
    }
    return true;
}

void InstallBestHold(CQtDialogHost& host, CMultiHandDlg& dlg) {
    // One advisor per table: its analysers live as long as the window.
    auto pAdvisor = std::make_shared<CBestHoldAdvisor>();
    auto apply = [pAdvisor, &dlg] { pAdvisor->Apply(dlg); };
    auto* pShortcut = new QShortcut(QKeySequence("H"), &host);
    pShortcut->setContext(Qt::WindowShortcut);
    pShortcut->setAutoRepeat(false);
    QObject::connect(pShortcut, &QShortcut::activated, &host, apply);
    host.AddWindowMenuItem("&Best Hold", apply, [&dlg] { return CBestHoldAdvisor::CanApply(dlg); });
}
